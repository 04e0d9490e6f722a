#include "output/PrintDestinations.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "output/PrintTarget.h"

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
    return askSaveFileName(parent, QStringLiteral("Save as PDF"), QStringLiteral("PDF files (*.pdf)"),
                           QStringLiteral("Brackmere.pdf"));
}

QString SystemPrintDestinations::askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                                 const QString& suggestedName)
{
    // The dialog adds the suffix itself, so its overwrite question is about the real file.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
