#pragma once

#include <QWidget>

#include "ui/ChartSurface.h"
#include "ui/RecordedLayer.h"

// A chart panel of the main window: a picture box on screen. The persistent
// layer is an image the panel repaints from whenever it is uncovered; the
// transient layer is an overlay above it that also survives repaints and is
// removed only by Cls while AutoRedraw is off. Resizing blanks both layers in
// the back colour; the owner redraws after placing its panels. A redraw that
// repeats what a layer shows costs next to nothing (see RecordedLayer). The
// panel draws no border, so neighbouring panels join seamlessly.
class ChartPanel : public QWidget, public ChartSurface {
    Q_OBJECT
public:
    explicit ChartPanel(QWidget* parent = nullptr);

    QWidget* dialogParent() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QSize pixelSize() const override;
    QString surfaceName() const override;
    const QPaintDevice& textDevice() const override;
    QFont baseFont() const override;

    void eraseLayer(ChartLayer layer, uint32_t backColor) override;
    void paintLines(ChartLayer layer, const std::vector<QLineF>& lines, const QPen& pen) override;
    void paintText(ChartLayer layer, QPointF topLeft, const QString& text, const QFont& font,
                   uint32_t color) override;

private:
    RecordedLayer& layerOf(ChartLayer layer);
    // Brings both layers to the panel's current size, blank when it changed.
    void matchLayersToSize();
    void requestUpdate();

    RecordedLayer persistent_{QImage::Format_RGB32};
    RecordedLayer transient_{QImage::Format_ARGB32_Premultiplied};
    bool updateRequested_ = false;
};
