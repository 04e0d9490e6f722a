#include "ui/ChartSurface.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

#include "ui/Colors.h"

namespace {

constexpr double TwipsPerInch = 1440.0;

bool isFinite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

}  // namespace

void ChartSurface::Cls()
{
    const ChartLayer layer = currentLayer();
    eraseLayer(ChartLayer::Transient, backColor_);
    if (layer == ChartLayer::Persistent)
        eraseLayer(ChartLayer::Persistent, backColor_);
    ChartOperation cleared{ChartOperation::Kind::Clear, layer};
    cleared.color = backColor_;
    record(cleared);
    currentX_ = 0;
    currentY_ = 0;
}

void ChartSurface::Line(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, foreColor_);
}

void ChartSurface::Line(double x1, double y1, double x2, double y2, uint32_t color)
{
    Lines({QLineF(x1, y1, x2, y2)}, color);
}

void ChartSurface::Lines(const std::vector<QLineF>& segments, uint32_t color)
{
    const ChartLayer layer = currentLayer();
    // The scale, as toPixels works it out, once for all the segments.
    const double left = ScaleLeft(), top = ScaleTop(), perUnitX = pixelsPerUnitX(), perUnitY = pixelsPerUnitY();
    const auto toPixel = [&](QPointF point) {
        return QPointF((point.x() - left) * perUnitX, (point.y() - top) * perUnitY);
    };
    std::vector<QLineF> pixels;
    pixels.reserve(segments.size());
    for (const QLineF& segment : segments) {
        const QPointF from = toPixel(segment.p1());
        const QPointF to = toPixel(segment.p2());
        // A point at infinity has no pixel; such a segment cannot show anyway.
        if (isFinite(from) && isFinite(to))
            pixels.emplace_back(from, to);
    }
    for (std::size_t i = 0; log_ && i < segments.size(); ++i) {
        ChartOperation line{ChartOperation::Kind::Line, layer};
        line.from = segments[i].p1();
        line.to = segments[i].p2();
        line.color = color;
        line.width = drawWidth_;
        record(line);
    }
    if (!pixels.empty())
        paintLines(layer, pixels, penFor(color));
}

void ChartSurface::Print(const QString& text)
{
    const ChartLayer layer = currentLayer();
    const QPointF topLeft = toPixels(currentX_, currentY_);
    if (isFinite(topLeft))
        paintText(layer, topLeft, text, printFont(), foreColor_);
    ChartOperation printed{ChartOperation::Kind::Text, layer};
    printed.from = {currentX_, currentY_};
    printed.text = text;
    printed.color = foreColor_;
    printed.bold = fontBold_;
    record(printed);
    currentY_ += TextHeight(text);
    currentX_ = ScaleLeft();
}

float ChartSurface::TextWidth(const QString& text) const
{
    const double perUnit = pixelsPerUnitX();
    if (perUnit == 0)
        return 0;
    return float(QFontMetricsF(printFont(), &textDevice()).horizontalAdvance(text) / perUnit);
}

float ChartSurface::TextHeight(const QString&) const
{
    const double perUnit = pixelsPerUnitY();
    if (perUnit == 0)
        return 0;
    return float(QFontMetricsF(printFont(), &textDevice()).height() / perUnit);
}

void ChartSurface::SetBackColor(uint32_t color)
{
    backColor_ = color;
    eraseLayer(ChartLayer::Transient, color);
    eraseLayer(ChartLayer::Persistent, color);
    ChartOperation repainted{ChartOperation::Kind::Clear, ChartLayer::Persistent};
    repainted.color = color;
    record(repainted);
}

void ChartSurface::SetScaleMode(ChartScaleMode mode)
{
    scaleMode_ = mode;
}

void ChartSurface::Scale(float left, float top, float right, float bottom)
{
    if (right == left || bottom == top)
        return;
    scaleMode_ = ChartScaleMode::User;
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

float ChartSurface::ScaleLeft() const
{
    return scaleMode_ == ChartScaleMode::User ? scaleLeft_ : 0;
}

float ChartSurface::ScaleTop() const
{
    return scaleMode_ == ChartScaleMode::User ? scaleTop_ : 0;
}

float ChartSurface::ScaleWidth() const
{
    if (scaleMode_ == ChartScaleMode::User)
        return scaleWidth_;
    return float(Width() * TwipsPerInch / textDevice().logicalDpiX());
}

float ChartSurface::ScaleHeight() const
{
    if (scaleMode_ == ChartScaleMode::User)
        return scaleHeight_;
    return float(Height() * TwipsPerInch / textDevice().logicalDpiY());
}

QPointF ChartSurface::toPixels(double x, double y) const
{
    return {(x - ScaleLeft()) * pixelsPerUnitX(), (y - ScaleTop()) * pixelsPerUnitY()};
}

ChartLayer ChartSurface::currentLayer() const
{
    return autoRedraw_ ? ChartLayer::Persistent : ChartLayer::Transient;
}

const QPen& ChartSurface::penFor(uint32_t color)
{
    // Thousands of one-pixel segments share a colour and width: one pen serves them all.
    const int width = std::max<int>(1, drawWidth_);
    if (!pen_ || penColor_ != color || pen_->width() != width) {
        pen_ = std::make_unique<QPen>(Colors::toQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        penColor_ = color;
    }
    return *pen_;
}

QFont ChartSurface::printFont() const
{
    QFont font = baseFont();
    font.setBold(fontBold_);
    return font;
}

double ChartSurface::pixelsPerUnitX() const
{
    if (scaleMode_ == ChartScaleMode::Twips)
        return textDevice().logicalDpiX() / TwipsPerInch;
    return Width() / double(scaleWidth_);
}

double ChartSurface::pixelsPerUnitY() const
{
    if (scaleMode_ == ChartScaleMode::Twips)
        return textDevice().logicalDpiY() / TwipsPerInch;
    return Height() / double(scaleHeight_);
}

void ChartSurface::record(ChartOperation operation) const
{
    if (!log_)
        return;
    operation.surface = surfaceName();
    log_->append(operation);
}
