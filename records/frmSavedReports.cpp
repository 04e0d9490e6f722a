#include "records/frmSavedReports.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/RecordsStore.h"
#include <QCoreApplication>

frmSavedReports::frmSavedReports(RecordsStore& store, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSavedReports"));
    setWindowTitle(QCoreApplication::translate("frmSavedReports", "Pour Reports"));
    const QSqlError error = store.SavedReports(reports_);

    grdReports = new QTableWidget(int(reports_.size()), 6, this);
    grdReports->setObjectName(QStringLiteral("grdReports"));
    grdReports->setHorizontalHeaderLabels({QCoreApplication::translate("frmSavedReports", "Report"),
                                           QCoreApplication::translate("frmSavedReports", "Saved at (UTC)"),
                                           QCoreApplication::translate("frmSavedReports", "Saved by"),
                                           QCoreApplication::translate("frmSavedReports", "Site"),
                                           QCoreApplication::translate("frmSavedReports", "Title"),
                                           QCoreApplication::translate("frmSavedReports", "Digest (SHA-256)")});
    grdReports->verticalHeader()->hide();
    grdReports->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdReports->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < grdReports->rowCount(); ++row) {
        const SavedReport& report = reports_[std::size_t(row)];
        const QStringList cells{QString::number(report.id), report.savedAt, report.savedBy, report.site, report.title,
                                report.digest};
        for (int column = 0; column < cells.size(); ++column)
            grdReports->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grdReports->resizeColumnsToContents();
    grdReports->horizontalHeader()->setStretchLastSection(true);

    auto* lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    lblState->setText(
        error.isValid() ? QCoreApplication::translate("frmSavedReports", "The pour reports in %1 could not be read: %2")
                              .arg(store.describe(), error.text())
                        : QCoreApplication::translate("frmSavedReports", "Pour reports kept in %1: %2.")
                              .arg(store.describe())
                              .arg(reports_.size()));

    txtDigest = new QLineEdit(this);
    txtDigest->setObjectName(QStringLiteral("txtDigest"));
    txtDigest->setPlaceholderText(
        QCoreApplication::translate("frmSavedReports", "The digest printed at the foot of a copy"));
    lblCheck = new QLabel(this);
    lblCheck->setObjectName(QStringLiteral("lblCheck"));
    lblCheck->setWordWrap(true);
    connect(txtDigest, &QLineEdit::textChanged, this, [this](const QString& text) { CheckDigest(text); });

    auto* check = new QHBoxLayout;
    auto* caption = new QLabel(QCoreApplication::translate("frmSavedReports", "Check a copy's &digest:"), this);
    caption->setBuddy(txtDigest);
    check->addWidget(caption);
    check->addWidget(txtDigest, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblState);
    layout->addWidget(grdReports, 1);
    layout->addLayout(check);
    layout->addWidget(lblCheck);
    layout->addWidget(buttons);
    resize(900, 420);
}

QString frmSavedReports::CheckDigest(const QString& digest)
{
    const QString wanted = digest.simplified().remove(u' ').toLower();
    QString said;
    if (wanted.isEmpty()) {
        said.clear();
    } else {
        said = QCoreApplication::translate(
            "frmSavedReports", "No saved pour report has this digest: the copy differs from every saved report.");
        for (std::size_t row = 0; row < reports_.size(); ++row) {
            if (reports_[row].digest == wanted) {
                said = QCoreApplication::translate("frmSavedReports",
                                                   "The copy matches report %1, \"%2\", saved %3 by %4.")
                           .arg(reports_[row].id)
                           .arg(reports_[row].title, reports_[row].savedAt, reports_[row].savedBy);
                grdReports->selectRow(int(row));
                break;
            }
        }
    }
    lblCheck->setText(said);
    return said;
}
