#include "ui/LayerImage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double InchesPerMeter = 1 / 0.0254;
// Beyond this many separate areas the layer keeps only their bounding rectangle.
constexpr std::size_t MaxSeparateAreas = 16;
// Pixels around a reported area that painting may still touch (line caps, glyph overhang).
constexpr int AreaMargin = 2;

// An image of the size filled in the colour. Transparent is all zero bits in a premultiplied
// format, and memory that comes zeroed is touched only where it is drawn on: a 4K overlay
// that holds a few lines then costs next to nothing to make.
QImage BlankImage(QSize size, QImage::Format format, const QColor& fill)
{
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    if (fill.alpha() == 0 && format == QImage::Format_ARGB32_Premultiplied && !size.isEmpty()) {
        if (void* zeroed = std::calloc(std::size_t(size.height()), std::size_t(bytesPerLine)))
            return QImage(
                static_cast<uchar*>(zeroed), size.width(), size.height(), bytesPerLine, format,
                [](void* data) { std::free(data); }, zeroed);
    }
    QImage image(size, format);
    image.fill(fill);
    return image;
}

}  // namespace

void LayerImage::reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY,
                       const QColor& fill)
{
    painter_.reset();
    logicalSize_ = logicalSize;
    image_ = BlankImage(logicalSize * devicePixelRatio, format_, fill);
    image_.setDevicePixelRatio(devicePixelRatio);
    // An image measures fonts at 72 dpi unless told otherwise; text must print
    // at the size it was measured with on screen.
    image_.setDotsPerMeterX(int(std::lround(logicalDpiX * InchesPerMeter)));
    image_.setDotsPerMeterY(int(std::lround(logicalDpiY * InchesPerMeter)));
    fillColor_ = fill;
    drawn_.clear();
}

void LayerImage::fill(const QColor& color)
{
    if (isBlank() && color == fillColor_)
        return;
    painter_.reset();
    if (color == fillColor_ && !image_.isNull() && drawnPixelCount() < image_.width() * qint64(image_.height()) / 2) {
        // Only what was drawn since the last fill differs from that colour; a small
        // part is cheaper to blank by itself than the whole image.
        const QRgb value = qPremultiply(color.rgba());
        for (const QRect& area : drawn_) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                std::fill(line + area.left(), line + area.right() + 1, value);
            }
        }
    } else {
        image_.fill(color);
    }
    fillColor_ = color;
    drawn_.clear();
}

qint64 LayerImage::drawnPixelCount() const
{
    qint64 count = 0;
    for (const QRect& area : drawn_)
        count += area.width() * qint64(area.height());
    return count;
}

QPainter* LayerImage::painter()
{
    if (image_.isNull())
        return nullptr;
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    return painter_.get();
}

void LayerImage::noteDrawn(const QRectF& logicalArea)
{
    const qreal ratio = image_.devicePixelRatio();
    const QRectF scaled(logicalArea.topLeft() * ratio, logicalArea.size() * ratio);
    const QRect pixels = scaled.normalized().toAlignedRect()
                             .adjusted(-AreaMargin, -AreaMargin, AreaMargin, AreaMargin)
                             .intersected(image_.rect());
    if (pixels.isEmpty())
        return;
    if (drawn_.size() >= MaxSeparateAreas) {
        QRect bounds = pixels;
        for (const QRect& area : drawn_)
            bounds |= area;
        drawn_.assign(1, bounds);
        return;
    }
    const bool inside = std::any_of(drawn_.begin(), drawn_.end(),
                                    [&](const QRect& area) { return area.contains(pixels); });
    if (!inside)
        drawn_.push_back(pixels);
}

const QImage& LayerImage::image()
{
    painter_.reset();
    return image_;
}
