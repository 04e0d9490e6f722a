#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QTemporaryFile;

namespace output {

// Where printed pages go: the default printer, a PDF file, or (in tests) a recorder.
// A job is begin(), drawing with the painter, end(); newPage() between the pages of a
// document of several. The painter's device origin is the
// top-left corner of the printable area; its unit is whatever the device uses, so drawing
// code converts from points with the device's logical resolution (see Page).
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Sets up the first page in the given orientation and starts the document with the
    // painter on it. False when the job cannot start; failure() then says why.
    virtual bool begin(QPageLayout::Orientation orientation, QPainter& painter) = 0;

    // The printable area of the started page, in points.
    virtual QSizeF printableSize() const = 0;

    // Ends the page drawn so far and starts the next one, of the same size. False when
    // that failed; failure() then says why.
    virtual bool newPage(QPainter& painter) = 0;

    // Ends the document, which sends the page on. False when that failed.
    virtual bool end(QPainter& painter) = 0;

    // Drops a started document after a fault while drawing; nothing is sent.
    virtual void abort(QPainter& painter) = 0;

    // Why begin() or end() failed, in words for the user.
    virtual QString failure() const = 0;

    // The paper of the jobs begun from now on; none: the printer's own.
    void setPaper(const QPageSize& paper) { paper_ = paper; }
    const std::optional<QPageSize>& paper() const { return paper_; }

private:
    std::optional<QPageSize> paper_;
};

// A target backed by a QPrinter; subclasses say which printer.
class QPrinterTarget : public PrintTarget {
public:
    QPrinterTarget();
    ~QPrinterTarget() override;

    bool begin(QPageLayout::Orientation orientation, QPainter& painter) override;
    QSizeF printableSize() const override;
    bool newPage(QPainter& painter) override;
    bool end(QPainter& painter) override;
    void abort(QPainter& painter) override;
    QString failure() const override { return failure_; }

protected:
    // Makes the printer for this job, or returns null and sets failure.
    virtual std::unique_ptr<QPrinter> makePrinter(QString& failure) = 0;
    // Checks the job after the document was ended, and finishes it; returns an empty
    // text on success.
    virtual QString checkSent(const QPrinter& printer);

private:
    std::unique_ptr<QPrinter> printer_;
    QString failure_;
};

// The system's default printer. Without one the job does not start: a QPrinter left to
// itself would quietly turn into a PDF printer without a file and print nowhere.
class DefaultPrinterTarget : public QPrinterTarget {
protected:
    std::unique_ptr<QPrinter> makePrinter(QString& failure) override;
};

// A PDF file at the given path, a page the size the default printer would use.
class PdfFileTarget : public QPrinterTarget {
public:
    // The unprintable border of the PDF page, like a typical printer's.
    static constexpr double MarginPoints = 18.0;

    explicit PdfFileTarget(QString path);
    ~PdfFileTarget() override;
    const QString& path() const { return path_; }

protected:
    std::unique_ptr<QPrinter> makePrinter(QString& failure) override;
    QString checkSent(const QPrinter& printer) override;

private:
    QString path_;
    // The pages are written here first and replace the file only when complete, so a
    // failed export never leaves a damaged file where a good one stood.
    std::unique_ptr<QTemporaryFile> partial_;
};

}  // namespace output
