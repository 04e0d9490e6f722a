#pragma once

#include <memory>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

// One drawing layer of a chart panel: an image at the screen's device pixel
// ratio and logical resolution, with a painter that stays open across drawing
// operations (opening one per segment would cost more than the drawing).
//
// The layer remembers where it was drawn on since its last fill, so that
// blanking it again and putting it on screen touch only those parts: at 4K a
// whole fill or blend of a panel costs more than drawing the solution path.
class LayerImage {
public:
    explicit LayerImage(QImage::Format format) : format_(format) {}

    // A new blank image of the given size in logical pixels.
    void reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY,
               const QColor& fill);
    // Blanks the layer in the colour; a layer already blank in that colour is left as it is.
    void fill(const QColor& color);

    // The open painter, or nullptr while the layer has no pixels. The caller
    // reports where it painted with noteDrawn.
    QPainter* painter();
    void noteDrawn(const QRectF& logicalArea);
    // Ends painting so that the image can be read.
    const QImage& image();

    // The parts drawn on since the last fill, in the image's own pixels.
    const std::vector<QRect>& drawnPixels() const { return drawn_; }

    QSize logicalSize() const { return logicalSize_; }
    // The colour of the last fill.
    const QColor& fillColor() const { return fillColor_; }
    // Whether anything was drawn since the last fill.
    bool isBlank() const { return drawn_.empty(); }

private:
    qint64 drawnPixelCount() const;

    QImage::Format format_;
    QImage image_;
    QSize logicalSize_;
    std::unique_ptr<QPainter> painter_;
    QColor fillColor_;
    std::vector<QRect> drawn_;  // image pixels; one bounding rectangle once there are many
};
