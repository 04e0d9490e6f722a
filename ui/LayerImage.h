#pragma once

#include <memory>

#include <QColor>
#include <QImage>
#include <QPainter>

// One drawing layer of a chart panel: an image at the screen's device pixel
// ratio and logical resolution, with a painter that stays open across drawing
// operations (opening one per segment would cost more than the drawing).
class LayerImage {
public:
    explicit LayerImage(QImage::Format format) : format_(format) {}

    // A new blank image of the given size in logical pixels.
    void reset(QSize logicalSize, qreal devicePixelRatio, int logicalDpiX, int logicalDpiY,
               const QColor& fill);
    void fill(const QColor& color);

    // The open painter, or nullptr while the layer has no pixels.
    QPainter* painter();
    // Ends painting so that the image can be read.
    const QImage& image();

    QSize logicalSize() const { return logicalSize_; }
    // Whether anything was drawn since the last fill.
    bool isBlank() const { return blank_; }

private:
    QImage::Format format_;
    QImage image_;
    QSize logicalSize_;
    std::unique_ptr<QPainter> painter_;
    bool blank_ = true;
};
