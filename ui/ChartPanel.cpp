#include "ui/ChartPanel.h"

#include <QPainter>

#include "ui/Colors.h"
#include "ui/WindowFont.h"

ChartPanel::ChartPanel(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the layers, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(WindowFont());
}

QWidget* ChartPanel::dialogParent() const
{
    return window();
}

void ChartPanel::paintEvent(QPaintEvent*)
{
    updateRequested_ = false;
    matchLayersToSize();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), persistent_.image());
    // The overlay is blended only where something was drawn on it.
    const QImage& overlay = transient_.image();
    const qreal ratio = overlay.devicePixelRatio();
    for (const QRect& pixels : transient_.drawnPixels())
        painter.drawImage(QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio), overlay, pixels);
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
    requestUpdate();
}

void ChartPanel::paintLines(ChartLayer layer, const std::vector<QLineF>& lines, const QPen& pen)
{
    layerOf(layer).drawLines(lines, pen);
    requestUpdate();
}

void ChartPanel::paintText(ChartLayer layer, QPointF topLeft, const QString& text, const QFont& font,
                           uint32_t color)
{
    layerOf(layer).drawText(topLeft, text, font, Colors::toQColor(color, palette()));
    requestUpdate();
}

void ChartPanel::requestUpdate()
{
    // One request per paint: the panel is repainted whole from its layers anyway.
    if (updateRequested_)
        return;
    updateRequested_ = true;
    update();
}

RecordedLayer& ChartPanel::layerOf(ChartLayer layer)
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
