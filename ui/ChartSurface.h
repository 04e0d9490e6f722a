#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QSize>
#include <QString>

#include "ui/ChartOperations.h"
#include "ui/Colors.h"

class QPaintDevice;
class QWidget;

enum class ChartScaleMode { User = 0, Twips = 1 };

// The drawing semantics of a picture box: a user coordinate system, a current
// position for text, colours, a draw width, a bold flag and the choice of
// layer. Where the pixels go is left to the subclass (the on-screen panel, or
// any other device), so the chart is drawn by one code path everywhere.
//
// Coordinates are user units. Scale(left, top, right, bottom) maps the top-left
// pixel corner to (left, top) and the bottom-right one to (right, bottom); with
// top > bottom the y axis grows upward, and TextHeight turns negative with it.
class ChartSurface {
public:
    virtual ~ChartSurface() = default;

    // With AutoRedraw on, Cls blanks both layers to the back colour; with it
    // off, Cls removes only the transient drawing. Both reset CurrentX/Y to 0.
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, uint32_t color);
    // Separate segments in one colour, as that many Line calls would draw them.
    void Lines(const std::vector<QLineF>& segments, uint32_t color);
    // Prints at (CurrentX, CurrentY) as the text's top-left corner, then moves
    // to the start of the next line as a picture box does.
    void Print(const QString& text);

    float TextWidth(const QString& text) const;
    float TextHeight(const QString& text) const;

    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void SetCurrentX(float x) { currentX_ = x; }
    void SetCurrentY(float y) { currentY_ = y; }

    uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t color) { foreColor_ = color; }
    uint32_t BackColor() const { return backColor_; }
    // Repaints the whole surface in the new colour; like a picture box, this
    // erases what was drawn on both layers.
    void SetBackColor(uint32_t color);

    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool bold) { fontBold_ = bold; }
    short DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(short width) { drawWidth_ = width; }
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on) { autoRedraw_ = on; }

    // Outer size in pixels.
    int Width() const { return pixelSize().width(); }
    int Height() const { return pixelSize().height(); }

    ChartScaleMode ScaleMode() const { return scaleMode_; }
    // Twips follow the surface's size: 1440 to the logical inch.
    void SetScaleMode(ChartScaleMode mode);
    // A degenerate area (zero width or height) leaves the scale as it was.
    void Scale(float left, float top, float right, float bottom);
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    float ScaleHeight() const;

    // Where a point in user units lands, in pixels from the top-left corner.
    QPointF toPixels(double x, double y) const;

    // Every later operation is also appended to the log (nullptr stops it).
    void setOperationLog(ChartOperationLog* log) { log_ = log; }

    // The window that owns the surface, as parent for its messages.
    virtual QWidget* dialogParent() const { return nullptr; }

protected:
    virtual QSize pixelSize() const = 0;
    virtual QString surfaceName() const = 0;
    // The device whose logical resolution text is measured and printed at.
    virtual const QPaintDevice& textDevice() const = 0;
    virtual QFont baseFont() const = 0;

    virtual void eraseLayer(ChartLayer layer, uint32_t backColor) = 0;
    // Segments in pixels, all in one pen.
    virtual void paintLines(ChartLayer layer, const std::vector<QLineF>& lines, const QPen& pen) = 0;
    virtual void paintText(ChartLayer layer, QPointF topLeft, const QString& text,
                           const QFont& font, uint32_t color) = 0;

private:
    ChartLayer currentLayer() const;
    const QPen& penFor(uint32_t color);
    QFont printFont() const;
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;
    void record(ChartOperation operation) const;

    float currentX_ = 0;
    float currentY_ = 0;
    uint32_t foreColor_ = 0;
    uint32_t backColor_ = Colors::ButtonFace;
    bool fontBold_ = false;
    short drawWidth_ = 1;
    bool autoRedraw_ = false;
    ChartScaleMode scaleMode_ = ChartScaleMode::Twips;
    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_ = 1;
    float scaleHeight_ = 1;
    ChartOperationLog* log_ = nullptr;
    std::unique_ptr<QPen> pen_;
    uint32_t penColor_ = 0;
};
