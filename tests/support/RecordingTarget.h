#pragma once

#include <QPageLayout>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

#include "output/PrintDestinations.h"
#include "output/PrintTarget.h"

// A text as the printer received it, in points from the printable area's top-left.
struct RecordedText {
    QString text;
    QPointF topLeft;
    double fontSize = 0.0;
    bool underline = false;
    int page = 0;  // the page of its job it stands on, from 0
    bool italic = false;
};

// Everything that reached a recording printer; image rectangles in points.
struct PrintRecord {
    int jobsStarted = 0;
    int jobsEnded = 0;
    int jobsAborted = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int page = 0;  // the page being drawn in the last job, from 0
    std::vector<RecordedText> texts;
    std::vector<QRectF> imageRects;
    std::vector<QSize> imageSizes;
};

// A page of the given printable size (portrait, in points) at a resolution that is not
// 72 dpi, so a drawing that forgets to convert points lands visibly in the wrong place.
class RecordingDevice : public QPaintDevice {
public:
    static constexpr int Dpi = 300;
    RecordingDevice(QSizeF printableSize, PrintRecord& record);
    ~RecordingDevice() override;
    QPaintEngine* paintEngine() const override { return engine_.get(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSizeF printableSize_;
    std::unique_ptr<QPaintEngine> engine_;
};

// Prints into a PrintRecord instead of on paper; can play a missing or failing printer.
class RecordingTarget : public output::PrintTarget {
public:
    enum class Behaviour { Works, CannotStart, FailsAtEnd };
    RecordingTarget(PrintRecord& record, QSizeF portraitPrintableSize, Behaviour behaviour)
        : record_(record), portrait_(portraitPrintableSize), behaviour_(behaviour)
    {
    }

    bool begin(QPageLayout::Orientation orientation, QPainter& painter) override;
    QSizeF printableSize() const override { return printable_; }
    bool newPage(QPainter& painter) override;
    bool end(QPainter& painter) override;
    void abort(QPainter& painter) override;
    QString failure() const override { return failure_; }

private:
    PrintRecord& record_;
    QSizeF portrait_;
    QSizeF printable_;
    Behaviour behaviour_;
    QString failure_;
    std::unique_ptr<RecordingDevice> device_;
};

// Stands in for the default printer and the PDF file-name prompt while it lives.
class FakePrintDestinations : public output::PrintDestinations {
public:
    static constexpr QSizeF LetterPrintable{576.0, 756.0};  // 8.5 x 11 in, less 0.25 in all round

    PrintRecord printed;
    RecordingTarget::Behaviour printer = RecordingTarget::Behaviour::Works;
    QString pdfFileName;   // the user's answer to the PDF file prompt; empty cancels it
    QString saveFileName;  // the answer to any other file prompt
    QString saveFilter;    // the filter that prompt offered
    int fileNamesAsked = 0;

    std::unique_ptr<output::PrintTarget> defaultPrinter() override
    {
        return std::make_unique<RecordingTarget>(printed, LetterPrintable, printer);
    }
    QString askPdfFileName(QWidget*) override
    {
        ++fileNamesAsked;
        return pdfFileName;
    }
    QString askSaveFileName(QWidget*, const QString&, const QString& filter, const QString&) override
    {
        ++fileNamesAsked;
        saveFilter = filter;
        return saveFileName;
    }

private:
    output::ScopedPrintDestinations scope_{*this};
};

// The line spacing of a font of the given size on the recording device, in points.
double RecordedLineHeight(double fontSize);
