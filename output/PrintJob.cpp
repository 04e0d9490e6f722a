#include "output/PrintJob.h"

#include <QCoreApplication>
#include <QPainter>

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

bool OfferPdfInstead(QWidget* parent, const QString& failure)
{
    const QString question =
        QCoreApplication::translate("PrintJob", "The page was not printed. %1\n\nSave it as a PDF file instead?")
            .arg(failure);
    return Msg::Box(parent, question, Msg::Buttons::YesNo, Msg::Icon::Exclamation, FailedTitle()) == Msg::Answer::Yes;
}

}  // namespace

PrintOutcome SavePageAsPdf(QWidget* parent, QPageLayout::Orientation orientation, const DrawPage& drawPage)
{
    const QString path = CurrentPrintDestinations().askPdfFileName(parent);
    if (path.isEmpty())
        return PrintOutcome::NotPrinted;

    PdfFileTarget pdf(path);
    if (!RunPrintJob(pdf, orientation, drawPage)) {
        Msg::Box(parent,
                 QCoreApplication::translate("PrintJob", "The PDF file could not be written:\n%1\n%2")
                     .arg(path, pdf.failure()),
                 Msg::Buttons::Ok, Msg::Icon::Critical, FailedTitle());
        return PrintOutcome::NotPrinted;
    }
    Msg::Box(parent, QCoreApplication::translate("PrintJob", "The page was saved as a PDF file:\n%1").arg(path),
             Msg::Buttons::Ok, Msg::Icon::Information, QCoreApplication::translate("PrintJob", "Saved as PDF"));
    return PrintOutcome::SavedAsPdf;
}

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
    const auto printer = CurrentPrintDestinations().defaultPrinter();
    if (RunPrintJob(*printer, orientation, drawPage))
        return PrintOutcome::Printed;
    if (!OfferPdfInstead(parent, printer->failure()))
        return PrintOutcome::NotPrinted;
    return SavePageAsPdf(parent, orientation, drawPage);
}

}  // namespace output
