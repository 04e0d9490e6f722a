#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace output {

// A page being drawn, measured in points (1/72 inch) from the top-left corner of its
// printable area. The painter works in device units, so drawing code converts through
// toDevice(); fonts keep their point sizes because the device resolves them itself.
class Page {
public:
    Page(QPainter& painter, QSizeF printableSize);

    QPainter& painter() const { return painter_; }
    QSizeF printableSize() const { return printableSize_; }

    double devicePerPoint() const { return devicePerPoint_; }
    QPointF toDevice(QPointF points) const { return points * devicePerPoint_; }
    QRectF toDevice(const QRectF& points) const;
    double toPoints(double deviceLength) const { return deviceLength / devicePerPoint_; }

private:
    QPainter& painter_;
    QSizeF printableSize_;
    double devicePerPoint_;
};

}  // namespace output
