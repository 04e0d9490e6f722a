#include "ui/ChartPanel.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/Colors.h"

ChartPanel::ChartPanel(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the layers, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QWidget* ChartPanel::dialogParent() const
{
    return window();
}

void ChartPanel::paintEvent(QPaintEvent*)
{
    matchLayersToSize();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), persistent_.image());
    if (!transient_.isBlank())
        painter.drawImage(QPointF(0, 0), transient_.image());
}

void ChartPanel::resizeEvent(QResizeEvent*)
{
    matchLayersToSize();
}

QSize ChartPanel::pixelSize() const
{
    return size();
}

QString ChartPanel::surfaceName() const
{
    return objectName();
}

const QPaintDevice& ChartPanel::textDevice() const
{
    return *this;
}

QFont ChartPanel::baseFont() const
{
    return font();
}

void ChartPanel::eraseLayer(ChartLayer layer, uint32_t backColor)
{
    matchLayersToSize();
    if (layer == ChartLayer::Persistent)
        persistent_.fill(Colors::toQColor(backColor, palette()));
    else
        transient_.fill(Qt::transparent);
    update();
}

void ChartPanel::paintLine(ChartLayer layer, QPointF from, QPointF to, const QPen& pen)
{
    QPainter* painter = layerImage(layer).painter();
    if (!painter)
        return;
    painter->setPen(pen);
    painter->drawLine(from, to);
    update();
}

void ChartPanel::paintText(ChartLayer layer, QPointF topLeft, const QString& text, const QFont& font,
                           uint32_t color)
{
    QPainter* painter = layerImage(layer).painter();
    if (!painter)
        return;
    painter->setFont(font);
    painter->setPen(Colors::toQColor(color, palette()));
    const qreal ascent = QFontMetricsF(font, painter->device()).ascent();
    painter->drawText(topLeft + QPointF(0, ascent), text);
    update();
}

LayerImage& ChartPanel::layerImage(ChartLayer layer)
{
    matchLayersToSize();
    return layer == ChartLayer::Persistent ? persistent_ : transient_;
}

void ChartPanel::matchLayersToSize()
{
    if (persistent_.logicalSize() == size())
        return;
    const qreal ratio = devicePixelRatioF();
    persistent_.reset(size(), ratio, logicalDpiX(), logicalDpiY(),
                      Colors::toQColor(BackColor(), palette()));
    transient_.reset(size(), ratio, logicalDpiX(), logicalDpiY(), Qt::transparent);
}
