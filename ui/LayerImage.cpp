#include "ui/LayerImage.h"

#include <cmath>

namespace {

constexpr double InchesPerMeter = 1 / 0.0254;

}  // namespace

void LayerImage::reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY,
                       const QColor& fill)
{
    painter_.reset();
    logicalSize_ = logicalSize;
    image_ = QImage(logicalSize * devicePixelRatio, format_);
    image_.setDevicePixelRatio(devicePixelRatio);
    // An image measures fonts at 72 dpi unless told otherwise; text must print
    // at the size it was measured with on screen.
    image_.setDotsPerMeterX(int(std::lround(logicalDpiX * InchesPerMeter)));
    image_.setDotsPerMeterY(int(std::lround(logicalDpiY * InchesPerMeter)));
    this->fill(fill);
}

void LayerImage::fill(const QColor& color)
{
    painter_.reset();
    image_.fill(color);
    blank_ = true;
}

QPainter* LayerImage::painter()
{
    if (image_.isNull())
        return nullptr;
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    blank_ = false;
    return painter_.get();
}

const QImage& LayerImage::image()
{
    painter_.reset();
    return image_;
}
