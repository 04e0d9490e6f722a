#include "output/PrintTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace output {

QPrinterTarget::QPrinterTarget() = default;
QPrinterTarget::~QPrinterTarget() = default;

bool QPrinterTarget::begin(QPageLayout::Orientation orientation, QPainter& painter)
{
    failure_.clear();
    printer_ = makePrinter(failure_);
    if (!printer_)
        return false;
    printer_->setDocName(QCoreApplication::applicationName());
    printer_->setFullPage(false);
    if (paper())
        printer_->setPageSize(*paper());
    printer_->setPageOrientation(orientation);
    if (!painter.begin(printer_.get())) {
        failure_ = QCoreApplication::translate("PrintTarget", "The print job could not be started.");
        printer_.reset();
        return false;
    }
    return true;
}

QSizeF QPrinterTarget::printableSize() const
{
    return printer_ ? printer_->pageLayout().paintRect(QPageLayout::Point).size() : QSizeF();
}

bool QPrinterTarget::newPage(QPainter&)
{
    if (printer_ && printer_->newPage())
        return true;
    failure_ = QCoreApplication::translate("PrintTarget", "The next page could not be started.");
    return false;
}

bool QPrinterTarget::end(QPainter& painter)
{
    const bool ended = painter.end();
    failure_ = ended ? checkSent(*printer_)
                     : QCoreApplication::translate("PrintTarget", "The print job could not be finished.");
    printer_.reset();
    return failure_.isEmpty();
}

void QPrinterTarget::abort(QPainter& painter)
{
    if (printer_)
        printer_->abort();
    if (painter.isActive())
        painter.end();
    printer_.reset();
}

QString QPrinterTarget::checkSent(const QPrinter& printer)
{
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return QCoreApplication::translate("PrintTarget",
                                           "The printer reported an error; the page may not have been printed.");
    return {};
}

std::unique_ptr<QPrinter> DefaultPrinterTarget::makePrinter(QString& failure)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        failure = QCoreApplication::translate("PrintTarget", "There is no default printer.");
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    if (printer->outputFormat() != QPrinter::NativeFormat || !printer->isValid()) {
        failure = QCoreApplication::translate("PrintTarget", "The default printer \"%1\" cannot be used.")
                      .arg(defaultPrinter.printerName());
        return nullptr;
    }
    return printer;
}

PdfFileTarget::PdfFileTarget(QString path) : path_(std::move(path)) {}
PdfFileTarget::~PdfFileTarget() = default;

std::unique_ptr<QPrinter> PdfFileTarget::makePrinter(QString& failure)
{
    if (path_.isEmpty()) {
        failure = QCoreApplication::translate("PrintTarget", "No file name was given for the PDF file.");
        return nullptr;
    }
    const QFileInfo target(path_);
    partial_ = std::make_unique<QTemporaryFile>(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!partial_->open()) {
        failure = QStringLiteral("\"%1\" cannot be written: %2").arg(QDir::toNativeSeparators(path_),
                                                                      partial_->errorString());
        partial_.reset();
        return nullptr;
    }
    partial_->close();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(partial_->fileName());
    const QMarginsF border(MarginPoints, MarginPoints, MarginPoints, MarginPoints);
    printer->setPageMargins(border, QPageLayout::Point);
    return printer;
}

QString PdfFileTarget::checkSent(const QPrinter& printer)
{
    const QString printerFault = QPrinterTarget::checkSent(printer);
    if (!printerFault.isEmpty())
        return printerFault;
    if (!partial_ || QFileInfo(partial_->fileName()).size() == 0)
        return QCoreApplication::translate("PrintTarget", "The PDF file was not written.");
    QSaveFile out(path_);
    if (!partial_->open() || !out.open(QIODevice::WriteOnly) || out.write(partial_->readAll()) < 0 || !out.commit())
        return QStringLiteral("\"%1\" could not be written: %2")
            .arg(QDir::toNativeSeparators(path_), out.errorString());
    partial_.reset();
    return {};
}

}  // namespace output
