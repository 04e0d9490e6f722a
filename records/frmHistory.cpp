#include "records/frmHistory.h"

#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "ui/MessageBox.h"

namespace {

constexpr QSize WindowSize{760, 360};
QStringList HistoryHeadings()
{
    return {QCoreApplication::translate("frmHistory", "What"), QCoreApplication::translate("frmHistory", "Who"),
            QCoreApplication::translate("frmHistory", "When (UTC)")};
}

// A change made by a program that does not name its user still has its line.
QString Who(const RecordVersion& version)
{
    if (version.current())
        return {};
    return version.by.isEmpty() ? QCoreApplication::translate("frmHistory", "(not named)") : version.by;
}

// "changed by ann, 2024-05-01 14:02:07 UTC"
QString Described(const RecordVersion& version)
{
    return QCoreApplication::translate("frmHistory", "%1 by %2, %3 UTC").arg(version.action, Who(version), version.at);
}

}  // namespace

frmHistory::frmHistory(RecordsStore& store, Shows shows, qint64 recordNumber, const RecordsPermissions& permissions,
                       QWidget* parent)
    : QDialog(parent), store_(store), shows_(shows), recordNumber_(recordNumber), permissions_(permissions),
      model_(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(shows == Shows::Record ? tr("History of Record %1").arg(recordNumber) : tr("Deleted Records"));
    setModal(true);

    lblHistory = new QLabel(this);
    lblHistory->setObjectName(QStringLiteral("lblHistory"));
    lblHistory->setWordWrap(true);
    grdHistory = new QTableView(this);
    grdHistory->setObjectName(QStringLiteral("grdHistory"));
    grdHistory->setModel(model_);
    grdHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    grdHistory->verticalHeader()->hide();
    lblPermissions = new QLabel(permissions.reason, this);
    lblPermissions->setObjectName(QStringLiteral("lblPermissions"));
    lblPermissions->setWordWrap(true);
    lblPermissions->setVisible(!permissions.restore());
    cmdRestore = new QPushButton(shows == Shows::Record ? tr("Restore This Version") : tr("Restore Record"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdRestore->setAutoDefault(false);
    if (!permissions.restore())
        cmdRestore->setToolTip(permissions.reason);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblPermissions, 1);
    buttons->addStretch();
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHistory);
    layout->addWidget(grdHistory, 1);
    layout->addLayout(buttons);
    resize(WindowSize);

    connect(grdHistory->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmHistory::UpdateRestore);
    connect(cmdRestore, &QPushButton::clicked, this, &frmHistory::cmdRestore_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    Load();
}

void frmHistory::Load()
{
    const QSqlError error = shows_ == Shows::Record ? store_.Versions(recordNumber_, versions_)
                                                    : store_.DeletedRecords(versions_);
    model_->clear();
    if (error.isValid()) {
        lblHistory->setText(tr("The history could not be read from %1: %2").arg(store_.describe(), error.text()));
        UpdateRestore();
        return;
    }
    QStringList headings = HistoryHeadings();
    if (!versions_.empty()) {
        for (int i = 0; i < versions_.front().values.count(); ++i)
            headings << versions_.front().values.fieldName(i);
    }
    model_->setHorizontalHeaderLabels(headings);
    // In a record's history a value that differs from the version above it, the next newer
    // one, is shown in bold: what the change, delete or restore changed.
    const RecordVersion* newer = nullptr;
    for (const RecordVersion& version : versions_) {
        QList<QStandardItem*> row{new QStandardItem(version.current() ? QStringLiteral("now") : version.action),
                                  new QStandardItem(Who(version)), new QStandardItem(version.at)};
        for (int i = 0; i < version.values.count(); ++i) {
            auto* item = new QStandardItem(version.values.value(i).toString());
            if (shows_ == Shows::Record && newer && newer->values.value(i) != version.values.value(i)) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            row << item;
        }
        model_->appendRow(row);
        newer = &version;
    }
    grdHistory->resizeColumnsToContents();
    grdHistory->setColumnHidden(int(HistoryHeadings().size()), shows_ == Shows::Record);

    if (shows_ == Shows::Deleted)
        lblHistory->setText(versions_.empty() ? tr("No deleted records.")
                                              : tr("Records deleted and not brought back since, each as "
                                                   "it was deleted, the latest first."));
    else if (versions_.size() <= 1)
        lblHistory->setText(tr("Record %1 has not been changed since it was saved.").arg(recordNumber_));
    else
        lblHistory->setText(tr("Record %1 as it is now, then as it was before each change, delete or "
                               "restore, the latest first.")
                                .arg(recordNumber_));
    UpdateRestore();
}

const RecordVersion* frmHistory::Selected() const
{
    const QModelIndexList rows = grdHistory->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(versions_.size()))
        return nullptr;
    return &versions_[rows.first().row()];
}

void frmHistory::UpdateRestore()
{
    const RecordVersion* version = Selected();
    cmdRestore->setEnabled(permissions_.restore() && version && !version->current());
}

void frmHistory::cmdRestore_Click()
{
    const RecordVersion* selected = Selected();
    if (!selected || selected->current())
        return;
    const RecordVersion version = *selected;
    const QString question =
        version.deleted
            ? tr("Bring back record %1 (%2)?").arg(version.recordNumber()).arg(Described(version))
            : tr("Put record %1 back as it was before it was %2?").arg(recordNumber_).arg(Described(version));
    if (Msg::Box(this, question, Msg::Buttons::YesNo, Msg::Icon::Question, windowTitle()) != Msg::Answer::Yes)
        return;
    qint64 number = 0;
    const QSqlError error = store_.Restore(version, number);
    if (error.isValid()) {
        Msg::Box(this, tr("The record could not be restored in \"%1\".\n%2").arg(store_.databasePath(), error.text()),
                 Msg::Buttons::Ok, Msg::Icon::Critical, windowTitle());
        return;
    }
    restored_ = true;
    if (number != version.recordNumber())
        Msg::Box(this,
                 tr("Record %1 is back as record %2: its number was taken meanwhile.")
                     .arg(version.recordNumber())
                     .arg(number),
                 Msg::Buttons::Ok, Msg::Icon::Information, windowTitle());
    Load();
}
