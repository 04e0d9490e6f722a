#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

namespace output {

class Page;

// Writes lines of text on a page the way a line printer does. Positions are in points
// from an origin set off from the printable area's top-left corner; printing a line draws
// it with its top-left corner at the current position and moves the current position to
// the start of the next line, one line spacing of the current font lower.
class TextWriter {
public:
    TextWriter(Page& page, QPointF originInPrintableArea);

    void setPosition(double x, double y) { position_ = {x, y}; }
    double currentX() const { return position_.x(); }
    double currentY() const { return position_.y(); }

    void setFontSize(double points);
    void setUnderline(bool on) { font_.setUnderline(on); }
    const QFont& font() const { return font_; }

    void printLine(const QString& text = {});

    // The height one printed line takes in the current font, in points.
    double lineHeight() const;

private:
    Page& page_;
    QPointF origin_;
    QPointF position_;
    QFont font_;
};

}  // namespace output
