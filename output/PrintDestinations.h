#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace output {

class PrintTarget;

// What printing and exporting need from the outside world: the default printer, and the
// name of a file to write. The program uses the real ones; tests install their own for the
// lifetime of a ScopedPrintDestinations.
class PrintDestinations {
public:
    virtual ~PrintDestinations() = default;
    virtual std::unique_ptr<PrintTarget> defaultPrinter() = 0;
    // The path to save a PDF file at, or an empty text when the user cancelled.
    virtual QString askPdfFileName(QWidget* parent) = 0;
    // The path to write a file at, or an empty text when the user cancelled. `filter` is a
    // file dialog's filter ("CSV files (*.csv)"); the suggested name's suffix is added to
    // a name typed without one.
    virtual QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggestedName) = 0;
};

// The default printer of the system and a save-file dialog.
class SystemPrintDestinations : public PrintDestinations {
public:
    std::unique_ptr<PrintTarget> defaultPrinter() override;
    QString askPdfFileName(QWidget* parent) override;
    QString askSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& suggestedName) override;
};

// The destinations in force: the installed ones, or the system's.
PrintDestinations& CurrentPrintDestinations();

class ScopedPrintDestinations {
public:
    explicit ScopedPrintDestinations(PrintDestinations& destinations);
    ~ScopedPrintDestinations();
    ScopedPrintDestinations(const ScopedPrintDestinations&) = delete;
    ScopedPrintDestinations& operator=(const ScopedPrintDestinations&) = delete;

private:
    PrintDestinations* previous_;
};

}  // namespace output
