#include "pour/frmPourReport.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "output/PagedDocument.h"
#include "pour/PourDocument.h"
#include "records/LoginName.h"
#include "records/RecordsStore.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include <QCoreApplication>

namespace {

enum MeasureColumn { MeasureText, Planned, Taken };

QTableWidgetItem* CheckItem(bool checked)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

output::DrawPages Pages(output::PagedDocument& document)
{
    return [&document](output::Page& page, int index) { return document.drawPages(page, index); };
}

}  // namespace

frmPourReport::frmPourReport(PourReport report, RecordsStore& store, QWidget* parent)
    : QDialog(parent), report_(std::move(report)), store_(store)
{
    setObjectName(QStringLiteral("frmPourReport"));
    setWindowTitle(QCoreApplication::translate("frmPourReport", "Pour Report"));
    if (report_.preparedBy.isEmpty())
        report_.preparedBy = LoginName();
    if (!report_.date.isValid())
        report_.date = QDate::currentDate();
    BuildElements();
}

void frmPourReport::BuildElements()
{
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    txtSite = named(new QLineEdit(report_.site, this), "txtSite");
    txtPour = named(new QLineEdit(report_.pour, this), "txtPour");
    dtpDate = named(new QDateEdit(report_.date, this), "dtpDate");
    dtpDate->setCalendarPopup(true);
    txtPreparedBy = named(new QLineEdit(report_.preparedBy, this), "txtPreparedBy");
    lblThreshold = named(new QLabel(QCoreApplication::translate("frmPourReport", "%1; threshold in force %2 %3")
                                        .arg(Q(std::string(PresetOf(report_.mix).name)), report_.thresholdText,
                                             UnitCaptions::Symbol(Quantity::Rate, report_.units)),
                                    this),
                         "lblThreshold");
    int borderline = 0;
    for (const PourHour& hour : report_.hours)
        borderline += report_.borderline(hour) ? 1 : 0;
    lblHours = named(new QLabel(QCoreApplication::translate("frmPourReport", "%1 hours. %2 %3 borderline hours.")
                                    .arg(report_.hours.size())
                                    .arg(report_.safeWindow)
                                    .arg(borderline),
                                this),
                     "lblHours");
    lblHours->setWordWrap(true);

    grdMeasures = named(new QTableWidget(int(report_.measures.size()), 3, this), "grdMeasures");
    grdMeasures->setHorizontalHeaderLabels({QCoreApplication::translate("frmPourReport", "Measure"),
                                            QCoreApplication::translate("frmPourReport", "Planned"),
                                            QCoreApplication::translate("frmPourReport", "Taken")});
    grdMeasures->verticalHeader()->hide();
    grdMeasures->setWordWrap(true);
    for (int row = 0; row < grdMeasures->rowCount(); ++row) {
        const PourMeasure& measure = report_.measures[std::size_t(row)];
        auto* text = new QTableWidgetItem(measure.text);
        text->setFlags(Qt::ItemIsEnabled);
        text->setToolTip(measure.text);
        grdMeasures->setItem(row, MeasureText, text);
        grdMeasures->setItem(row, Planned, CheckItem(measure.planned));
        grdMeasures->setItem(row, Taken, CheckItem(measure.taken));
    }
    grdMeasures->horizontalHeader()->setSectionResizeMode(MeasureText, QHeaderView::Stretch);
    grdMeasures->horizontalHeader()->setSectionResizeMode(Planned, QHeaderView::ResizeToContents);
    grdMeasures->horizontalHeader()->setSectionResizeMode(Taken, QHeaderView::ResizeToContents);
    grdMeasures->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    txtOtherMeasures = named(new QPlainTextEdit(report_.otherMeasures, this), "txtOtherMeasures");
    txtRemarks = named(new QPlainTextEdit(report_.remarks, this), "txtRemarks");
    for (QPlainTextEdit* box : {txtOtherMeasures, txtRemarks})
        box->setFixedHeight(box->fontMetrics().lineSpacing() * 4);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("frmPourReport", "&Site:"), txtSite);
    form->addRow(QCoreApplication::translate("frmPourReport", "&Pour or element:"), txtPour);
    form->addRow(QCoreApplication::translate("frmPourReport", "&Date:"), dtpDate);
    form->addRow(QCoreApplication::translate("frmPourReport", "Prepared &by:"), txtPreparedBy);
    form->addRow(QCoreApplication::translate("frmPourReport", "Mix:"), lblThreshold);
    form->addRow(QCoreApplication::translate("frmPourReport", "Hours:"), lblHours);

    cmdSavePdf
        = named(new QPushButton(QCoreApplication::translate("frmPourReport", "Save &as PDF…"), this), "cmdSavePdf");
    cmdPrint = named(new QPushButton(QCoreApplication::translate("frmPourReport", "Pri&nt"), this), "cmdPrint");
    cmdClose = named(new QPushButton(QCoreApplication::translate("frmPourReport", "&Close"), this), "cmdClose");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdSavePdf, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdPrint, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdClose, QDialogButtonBox::RejectRole);
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { Print(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    const auto caption = [this, layout](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        layout->addWidget(label);
        layout->addWidget(buddy, buddy == grdMeasures ? 1 : 0);
    };
    caption(QCoreApplication::translate("frmPourReport", "&Measures planned and taken:"), grdMeasures);
    grdMeasures->setAccessibleName(QCoreApplication::translate("PourDocument", "Measures"));
    caption(QCoreApplication::translate("frmPourReport", "&Other measures:"), txtOtherMeasures);
    caption(QCoreApplication::translate("frmPourReport", "&Remarks:"), txtRemarks);
    layout->addWidget(buttons);
    resize(720, 600);
}

PourReport frmPourReport::report() const
{
    PourReport report = report_;
    report.site = txtSite->text().trimmed();
    report.pour = txtPour->text().trimmed();
    report.date = dtpDate->date();
    report.preparedBy = txtPreparedBy->text().trimmed();
    for (int row = 0; row < grdMeasures->rowCount(); ++row) {
        report.measures[std::size_t(row)].planned = grdMeasures->item(row, Planned)->checkState() == Qt::Checked;
        report.measures[std::size_t(row)].taken = grdMeasures->item(row, Taken)->checkState() == Qt::Checked;
    }
    report.otherMeasures = txtOtherMeasures->toPlainText().trimmed();
    report.remarks = txtRemarks->toPlainText().trimmed();
    return report;
}

output::PrintOutcome frmPourReport::SavePdf()
{
    const PourReport shown = report();
    output::PagedDocument document = PourDocument(shown);
    QString path;
    const output::PrintOutcome outcome = output::SavePagesAsPdf(this, output::PaperFor(), Pages(document), &path);
    if (outcome != output::PrintOutcome::NotPrinted)
        Keep(shown, QCoreApplication::translate("frmPourReport", "The report was saved as \"%1\"").arg(path));
    return outcome;
}

output::PrintOutcome frmPourReport::Print()
{
    const PourReport shown = report();
    output::PagedDocument document = PourDocument(shown);
    const output::PrintOutcome outcome = output::PrintPages(this, output::PaperFor(), Pages(document));
    if (outcome == output::PrintOutcome::Printed)
        Keep(shown, QCoreApplication::translate("frmPourReport", "The report was sent to the default printer"));
    return outcome;
}

void frmPourReport::Keep(const PourReport& report, const QString& done)
{
    SavedReport saved{.site = report.site, .title = report.title(), .content = CanonicalText(report)};
    const QSqlError error = store_.AddSavedReport(saved);
    if (error.isValid()) {
        Msg::Box(this,
                 QCoreApplication::translate("frmPourReport", "%1, but it could not be kept in %2:\n%3")
                     .arg(done, store_.describe(), error.text()),
                 Msg::Buttons::Ok, Msg::Icon::Exclamation, QCoreApplication::translate("frmPourReport", "Pour Report"));
        return;
    }
    Msg::Box(this,
             QCoreApplication::translate("frmPourReport",
                                         "%1 and kept beside the records as report %2.\nIts digest (SHA-256): %3")
                 .arg(done)
                 .arg(saved.id)
                 .arg(saved.digest),
             Msg::Buttons::Ok, Msg::Icon::Information, QCoreApplication::translate("frmPourReport", "Pour Report"));
}
