#include "ui/ChartPanel.h"

#include <QFontMetricsF>
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
    QPainter* painter = layerImage(layer).painter();
    if (!painter)
        return;
    painter->setPen(pen);
    painter->drawLines(lines.data(), int(lines.size()));
    QRectF reached = QRectF(lines.front().p1(), lines.front().p2()).normalized();
    for (const QLineF& line : lines)
        reached |= QRectF(line.p1(), line.p2()).normalized();
    const qreal reach = pen.widthF() / 2;
    layerImage(layer).noteDrawn(reached.adjusted(-reach, -reach, reach, reach));
    requestUpdate();
}

void ChartPanel::paintText(ChartLayer layer, QPointF topLeft, const QString& text, const QFont& font,
                           uint32_t color)
{
    QPainter* painter = layerImage(layer).painter();
    if (!painter)
        return;
    painter->setFont(font);
    painter->setPen(Colors::toQColor(color, palette()));
    const QFontMetricsF metrics(font, painter->device());
    const QPointF baseline = topLeft + QPointF(0, metrics.ascent());
    painter->drawText(baseline, text);
    layerImage(layer).noteDrawn(metrics.boundingRect(text).translated(baseline));
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
