#include "output/Page.h"

#include <QPaintDevice>
#include <QPainter>

namespace output {

namespace {
constexpr double PointsPerInch = 72.0;
}

Page::Page(QPainter& painter, QSizeF printableSize)
    : painter_(painter),
      printableSize_(printableSize),
      devicePerPoint_(painter.device()->logicalDpiX() / PointsPerInch)
{
}

QRectF Page::toDevice(const QRectF& points) const
{
    return {toDevice(points.topLeft()), points.size() * devicePerPoint_};
}

}  // namespace output
