#include "output/PrintJob.h"

#include <QCoreApplication>
#include <QPainter>
#include <optional>

#include "output/Page.h"
#include "output/PrintDestinations.h"
#include "output/PrintTarget.h"
#include "ui/MessageBox.h"

namespace output {
namespace {

QString FailedTitle()
{
    return QCoreApplication::translate("PrintJob", "Print Failed");
}

struct JobSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QPageSize> paper{};
    bool several = false;  // a document of pages rather than one page
};

bool OfferPdfInstead(QWidget* parent, const JobSetup& setup, const QString& failure)
{
    const QString question =
        (setup.several
             ? QCoreApplication::translate("PrintJob", "The document was not printed. %1\n\nSave it as a PDF file instead?")
             : QCoreApplication::translate("PrintJob", "The page was not printed. %1\n\nSave it as a PDF file instead?"))
            .arg(failure);
    return Msg::Box(parent, question, Msg::Buttons::YesNo, Msg::Icon::Exclamation, FailedTitle()) == Msg::Answer::Yes;
}

DrawPages OnePage(const DrawPage& drawPage)
{
    return [&drawPage](Page& page, int) {
        drawPage(page);
        return false;
    };
}

PrintOutcome SaveJobAsPdf(QWidget* parent, const JobSetup& setup, const DrawPages& drawPages, QString* savedAt)
{
    const QString path = CurrentPrintDestinations().askPdfFileName(parent);
    if (path.isEmpty())
        return PrintOutcome::NotPrinted;

    PdfFileTarget pdf(path);
    if (setup.paper)
        pdf.setPaper(*setup.paper);
    if (!RunMultiPagePrintJob(pdf, setup.orientation, drawPages)) {
        Msg::Box(parent,
                 QCoreApplication::translate("PrintJob", "The PDF file could not be written:\n%1\n%2")
                     .arg(path, pdf.failure()),
                 Msg::Buttons::Ok, Msg::Icon::Critical, FailedTitle());
        return PrintOutcome::NotPrinted;
    }
    Msg::Box(parent,
             (setup.several ? QCoreApplication::translate("PrintJob", "The document was saved as a PDF file:\n%1")
                            : QCoreApplication::translate("PrintJob", "The page was saved as a PDF file:\n%1"))
                 .arg(path),
             Msg::Buttons::Ok, Msg::Icon::Information, QCoreApplication::translate("PrintJob", "Saved as PDF"));
    if (savedAt)
        *savedAt = path;
    return PrintOutcome::SavedAsPdf;
}

PrintOutcome PrintJob(QWidget* parent, const JobSetup& setup, const DrawPages& drawPages)
{
    const auto printer = CurrentPrintDestinations().defaultPrinter();
    if (setup.paper)
        printer->setPaper(*setup.paper);
    if (RunMultiPagePrintJob(*printer, setup.orientation, drawPages))
        return PrintOutcome::Printed;
    if (!OfferPdfInstead(parent, setup, printer->failure()))
        return PrintOutcome::NotPrinted;
    return SaveJobAsPdf(parent, setup, drawPages, nullptr);
}

}  // namespace

bool RunPrintJob(PrintTarget& target, QPageLayout::Orientation orientation, const DrawPage& drawPage)
{
    return RunMultiPagePrintJob(target, orientation, [&drawPage](Page& page, int) {
        drawPage(page);
        return false;
    });
}

bool RunMultiPagePrintJob(PrintTarget& target, QPageLayout::Orientation orientation, const DrawPages& drawPages)
{
    QPainter painter;
    if (!target.begin(orientation, painter))
        return false;
    try {
        Page page(painter, target.printableSize());
        for (int index = 0; drawPages(page, index); ++index) {
            if (!target.newPage(painter)) {
                target.abort(painter);
                return false;
            }
        }
    } catch (...) {
        target.abort(painter);
        throw;
    }
    return target.end(painter);
}

PrintOutcome PrintPage(QWidget* parent, QPageLayout::Orientation orientation, const DrawPage& drawPage)
{
    return PrintJob(parent, {.orientation = orientation}, OnePage(drawPage));
}

PrintOutcome SavePageAsPdf(QWidget* parent, QPageLayout::Orientation orientation, const DrawPage& drawPage)
{
    return SaveJobAsPdf(parent, {.orientation = orientation}, OnePage(drawPage), nullptr);
}

PrintOutcome PrintPages(QWidget* parent, const QPageSize& paper, const DrawPages& drawPages)
{
    return PrintJob(parent, {.paper = paper, .several = true}, drawPages);
}

PrintOutcome SavePagesAsPdf(QWidget* parent, const QPageSize& paper, const DrawPages& drawPages, QString* savedAt)
{
    return SaveJobAsPdf(parent, {.paper = paper, .several = true}, drawPages, savedAt);
}

}  // namespace output
