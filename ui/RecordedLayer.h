#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QString>

#include "ui/LayerImage.h"

// A chart panel's layer that remembers what it shows: the colour it was filled with and the
// drawing on it since. A redraw that fills it in that colour again and repeats the same
// drawing, which every resize that leaves a panel's size alone does, leaves the pixels as
// they are instead of drawing them again. Where the new drawing parts from the old, the
// layer is filled and the part repeated so far drawn, and drawing goes on from there; the
// pixels are always those of the drawing asked for.
class RecordedLayer {
public:
    explicit RecordedLayer(QImage::Format format) : layer_(format) {}

    // A new blank image (see LayerImage::reset); nothing is remembered.
    void reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY, const QColor& fill);
    void fill(const QColor& color);
    // Segments in pixels in one pen, and a text by the top-left corner of its line.
    void drawLines(const std::vector<QLineF>& lines, const QPen& pen);
    void drawText(QPointF topLeft, const QString& text, const QFont& font, const QColor& color);

    // The pixels of the drawing asked for, and where it was drawn on since the last fill
    // (see LayerImage::drawnPixels).
    const QImage& image();
    const std::vector<QRect>& drawnPixels();

    QSize logicalSize() const { return layer_.logicalSize(); }

private:
    struct Operation {
        std::vector<QLineF> lines;  // none for a text
        QPen pen;
        QPointF topLeft;
        QString text;
        QFont font;
        QColor color;
    };

    // Whether the operation `same` recognises repeats the next one kept; if not, the layer
    // is settled first.
    bool repeats(const std::function<bool(const Operation&)>& same);
    void draw(Operation operation);
    void apply(const Operation& operation);
    // Brings the pixels to the drawing asked for while a repeat is being recognised.
    void settle();

    LayerImage layer_;
    std::vector<Operation> shown_;  // drawn since the fill the image shows
    // While a fill in the image's own colour waits: how many of `shown_` were asked for again.
    std::optional<std::size_t> repeated_;
};
