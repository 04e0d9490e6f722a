#include "records/RecordsExport.h"

#include <QCoreApplication>
#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "output/PrintDestinations.h"
#include "output/PrintJob.h"
#include "output/PrintTarget.h"
#include "records/RecordsCsv.h"
#include "records/RecordsProxy.h"
#include "records/RecordsReport.h"
#include "ui/MessageBox.h"

namespace RecordsExport {
namespace {

QString CsvTitle()
{
    return QCoreApplication::translate("RecordsExport", "Export CSV");
}

QString PdfTitle()
{
    return QCoreApplication::translate("RecordsExport", "Export PDF");
}

void ReportOutcome(QWidget* parent, const QString& title, bool written, int records, const QString& path,
                   const QString& failure)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    if (written) {
        const QString count =
            records == 1 ? QStringLiteral("1 record") : QLocale().toString(records) + QStringLiteral(" records");
        Msg::Box(parent, QStringLiteral("%1 exported to \"%2\".").arg(count, shownPath), Msg::Buttons::Ok,
                 Msg::Icon::Information, title);
    } else {
        Msg::Box(parent,
                 QCoreApplication::translate("RecordsExport", "The records could not be exported to \"%1\".\n%2")
                     .arg(shownPath, failure),
                 Msg::Buttons::Ok, Msg::Icon::Critical, title);
    }
}

}  // namespace

void ToCsv(QWidget* parent, const RecordsProxy& rows)
{
    const QString path = output::CurrentPrintDestinations().askSaveFileName(
        parent, CsvTitle(), QCoreApplication::translate("RecordsExport", "CSV files (*.csv)"),
        QCoreApplication::translate("RecordsExport", "Saved Records.csv"));
    if (path.isEmpty())
        return;
    QString failure;
    const bool written = WriteRecordsCsv(rows, path, failure);
    ReportOutcome(parent, CsvTitle(), written, rows.rowCount(), path, failure);
}

void ToPdf(QWidget* parent, const QAbstractItemModel& rows, const RecordsReportHeading& heading)
{
    const QString path = output::CurrentPrintDestinations().askSaveFileName(
        parent, PdfTitle(), QCoreApplication::translate("RecordsExport", "PDF files (*.pdf)"),
        QCoreApplication::translate("RecordsExport", "Saved Records.pdf"));
    if (path.isEmpty())
        return;
    RecordsReport report(rows, heading);
    output::PdfFileTarget pdf(path);
    const bool written = output::RunMultiPagePrintJob(
        pdf, QPageLayout::Landscape, [&report](output::Page& page, int index) { return report.DrawPage(page, index); });
    // The printer only says that the document could not be started.
    const QDir folder = QFileInfo(path).absoluteDir();
    const QString failure = folder.exists()
                                ? pdf.failure()
                                : QCoreApplication::translate("RecordsExport", "The folder \"%1\" does not exist.")
                                      .arg(QDir::toNativeSeparators(folder.path()));
    ReportOutcome(parent, PdfTitle(), written, rows.rowCount(), path, failure);
}

}  // namespace RecordsExport
