#include "output/TextWriter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "output/Page.h"
#include "ui/WindowFont.h"

namespace output {

TextWriter::TextWriter(Page& page, QPointF originInPrintableArea)
    : page_(page), origin_(originInPrintableArea), font_(WindowFont())
{
}

void TextWriter::setFontSize(double points)
{
    font_.setPointSizeF(points);
}

double TextWriter::lineHeight() const
{
    return page_.toPoints(QFontMetricsF(font_, page_.painter().device()).lineSpacing());
}

void TextWriter::printLine(const QString& text)
{
    if (!text.isEmpty()) {
        const QFontMetricsF metrics(font_, page_.painter().device());
        const QPointF topLeft = page_.toDevice(origin_ + position_);
        QPainter& painter = page_.painter();
        painter.setFont(font_);
        painter.drawText(topLeft + QPointF(0.0, metrics.ascent()), text);
    }
    position_ = {0.0, position_.y() + lineHeight()};
}

}  // namespace output
