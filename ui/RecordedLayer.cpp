#include "ui/RecordedLayer.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace {

// Exactly the same segments: QLineF's own comparison allows for rounding, pixels do not.
bool SameLines(const std::vector<QLineF>& a, const std::vector<QLineF>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const QLineF& x, const QLineF& y) {
        return x.x1() == y.x1() && x.y1() == y.y1() && x.x2() == y.x2() && x.y2() == y.y2();
    });
}

}  // namespace

void RecordedLayer::reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY,
                          const QColor& fill)
{
    layer_.reset(logicalSize, devicePixelRatio, logicalDpiX, logicalDpiY, fill);
    shown_.clear();
    repeated_.reset();
}

void RecordedLayer::fill(const QColor& color)
{
    if (color == layer_.fillColor() && (repeated_ || !shown_.empty())) {
        repeated_ = 0;
        return;
    }
    repeated_.reset();
    layer_.fill(color);
    shown_.clear();
}

void RecordedLayer::drawLines(const std::vector<QLineF>& lines, const QPen& pen)
{
    const auto same = [&](const Operation& shown) { return SameLines(shown.lines, lines) && shown.pen == pen; };
    if (!repeats(same))
        draw({lines, pen, {}, {}, {}, {}});
}

void RecordedLayer::drawText(QPointF topLeft, const QString& text, const QFont& font, const QColor& color)
{
    const auto same = [&](const Operation& shown) {
        return shown.lines.empty() && shown.topLeft.x() == topLeft.x() && shown.topLeft.y() == topLeft.y()
               && shown.text == text && shown.font == font && shown.color == color;
    };
    if (!repeats(same))
        draw({{}, {}, topLeft, text, font, color});
}

bool RecordedLayer::repeats(const std::function<bool(const Operation&)>& same)
{
    if (!repeated_)
        return false;
    if (*repeated_ < shown_.size() && same(shown_[*repeated_])) {
        if (++*repeated_ == shown_.size())
            repeated_.reset();
        return true;
    }
    settle();
    return false;
}

void RecordedLayer::draw(Operation operation)
{
    if (!layer_.painter())
        return;
    apply(operation);
    shown_.push_back(std::move(operation));
}

void RecordedLayer::apply(const Operation& operation)
{
    QPainter* painter = layer_.painter();
    if (!operation.lines.empty()) {
        const std::vector<QLineF>& lines = operation.lines;
        painter->setPen(operation.pen);
        painter->drawLines(lines.data(), int(lines.size()));
        QRectF reached = QRectF(lines.front().p1(), lines.front().p2()).normalized();
        for (const QLineF& line : lines)
            reached |= QRectF(line.p1(), line.p2()).normalized();
        const qreal reach = operation.pen.widthF() / 2;
        layer_.noteDrawn(reached.adjusted(-reach, -reach, reach, reach));
    } else {
        painter->setFont(operation.font);
        painter->setPen(operation.color);
        const QFontMetricsF metrics(operation.font, painter->device());
        const QPointF baseline = operation.topLeft + QPointF(0, metrics.ascent());
        painter->drawText(baseline, operation.text);
        layer_.noteDrawn(metrics.boundingRect(operation.text).translated(baseline));
    }
}

void RecordedLayer::settle()
{
    if (!repeated_)
        return;
    shown_.resize(*repeated_);
    repeated_.reset();
    layer_.fill(layer_.fillColor());
    for (const Operation& operation : shown_)
        apply(operation);
}

const QImage& RecordedLayer::image()
{
    settle();
    return layer_.image();
}

const std::vector<QRect>& RecordedLayer::drawnPixels()
{
    settle();
    return layer_.drawnPixels();
}
