#include <QDir>
#include <QItemSelectionModel>
#include <QTableView>

#include "calc/NumberWriting.h"
#include "outlook/OutlookChart.h"
#include "outlook/OutlookPage.h"
#include "outlook/OutlookTable.h"
#include "outlook/frmOutlook.h"
#include "output/PrintJob.h"
#include "records/NewRecord.h"
#include "records/RecordTime.h"
#include "records/RecordsAvailability.h"
#include "records/RecordsStore.h"
#include "ui/MessageBox.h"
#include <QCoreApplication>

namespace {

// The columns the window shows, its times never broken over lines.
output::PagedTable PrintedTable(const OutlookTable& model, const QTableView& view)
{
    QList<int> shown;
    for (int column = 0; column < model.columnCount(); ++column) {
        if (!view.isColumnHidden(column))
            shown << column;
    }
    output::PagedTable table = output::TableFromModel(model, shown);
    table.keptWhole << int(shown.indexOf(OutlookTable::Time));
    return table;
}

}  // namespace

void frmOutlook::PrintOutlook()
{
    output::PagedDocument document =
        OutlookDocument({sourceText(), windowsText(), chart_->data(), PrintedTable(*model_, *tblHours)});
    const output::PrintOutcome outcome =
        output::PrintPages(this, output::PaperFor(), [&document](output::Page& page, int index) {
            return document.drawPages(page, index);
        });
    if (outcome == output::PrintOutcome::Printed)
        Report(QCoreApplication::translate("frmOutlook", "The outlook was sent to the default printer."), false);
}

void frmOutlook::SaveOutlookPdf()
{
    output::PagedDocument document =
        OutlookDocument({sourceText(), windowsText(), chart_->data(), PrintedTable(*model_, *tblHours)});
    output::SavePagesAsPdf(this, output::PaperFor(),
                           [&document](output::Page& page, int index) { return document.drawPages(page, index); });
}

int frmOutlook::SaveSelectedAsRecords()
{
    std::vector<int> rows;
    for (const QModelIndex& index : tblHours->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
        Report(QCoreApplication::translate("frmOutlook", "Select the hours to save first."), true);
        return 0;
    }
    if (!store_.isOpen()) {
        Report(RecordsUnavailableText(store_), true);
        return 0;
    }
    // The sun on the slab, where the user said, goes with the hours it was seen in.
    const SunOnSlab sun = model_->settings().sun;
    const QString sunWords = sun == SunOnSlab::Unknown
                                 ? QString()
                                 : QCoreApplication::translate("frmOutlook", "; sun on the slab: ") + SunWords(sun);
    const QString note
        = (QCoreApplication::translate("frmOutlook", "Pour-day outlook: ") + source_).left(255 - sunWords.size())
          + sunWords;
    std::vector<NewRecord> records;
    int skipped = 0;
    for (int row : rows) {
        const OutlookHour& hour = model_->hours()[std::size_t(row)];
        if (!hour.result.valid) {
            ++skipped;
            continue;
        }
        const OutlookSettings& settings = model_->settings();
        records.push_back(RecordOf(
            hour.result,
            {.date = RecordTime::DateText(hour.reading.time.date()),
             .time = RecordTime::TimeText(hour.reading.time.time()),
             .note = note,
             .site = site_,
             .source = hour.reading.source,
             .concreteRule = hour.concreteAssumed ? settings.concrete.Words(settings.units) : QString(),
             .windFactor = hour.reading.windFactor
                               ? QString::fromStdString(NumberFormat::General(*hour.reading.windFactor))
                               : QString()}));
    }
    if (records.empty()) {
        Report(QCoreApplication::translate("frmOutlook",
                                           "None of the selected hours could be computed, so none was saved."),
               true);
        return 0;
    }
    const QSqlError error = store_.AddRecords(records);
    if (error.isValid()) {
        Report(QCoreApplication::translate("frmOutlook", "The hours could not be saved in \"%1\"; none was saved.\n%2")
                   .arg(store_.databasePath(), error.text()),
               true);
        return 0;
    }
    QString text = QCoreApplication::translate("frmOutlook", "%1 hours saved as records.").arg(records.size());
    if (skipped > 0)
        text
            += QCoreApplication::translate("frmOutlook", " %1 selected hours could not be computed and were not saved.")
                   .arg(skipped);
    Report(text, false);
    return int(records.size());
}
