#include "output/PrintDestinations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "output/PrintTarget.h"
#include "ui/FileDialogs.h"

namespace output {
namespace {

PrintDestinations* installedDestinations = nullptr;

}  // namespace

std::unique_ptr<PrintTarget> SystemPrintDestinations::defaultPrinter()
{
    return std::make_unique<DefaultPrinterTarget>();
}

QString SystemPrintDestinations::askPdfFileName(QWidget* parent)
{
    return askSaveFileName(parent, QCoreApplication::translate("PrintDestinations", "Save as PDF"),
                           QCoreApplication::translate("PrintDestinations", "PDF files (*.pdf)"),
                           QCoreApplication::translate("PrintDestinations", "Brackmere.pdf"));
}

QString SystemPrintDestinations::askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                                 const QString& suggestedName)
{
    const bool csv = QFileInfo(suggestedName).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    return FileDialogs::SaveFileName(parent, csv ? Settings::FileKind::Csv : Settings::FileKind::Pdf, title, filter,
                                     suggestedName,
                                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

PrintDestinations& CurrentPrintDestinations()
{
    static SystemPrintDestinations system;
    if (installedDestinations)
        return *installedDestinations;
    return system;
}

ScopedPrintDestinations::ScopedPrintDestinations(PrintDestinations& destinations)
    : previous_(installedDestinations)
{
    installedDestinations = &destinations;
}

ScopedPrintDestinations::~ScopedPrintDestinations()
{
    installedDestinations = previous_;
}

}  // namespace output
