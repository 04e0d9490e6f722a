#include "ui/TiledStroke.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

// Why the tiles give the same pixels: the rasterizer works out each pixel of a row from the
// area and cover that the outline's edges leave in the pixel's own cell and the cover they
// leave in the cells to its left in that row. An edge wholly left of a tile therefore matters
// to the tile only through its rise and fall within the tile's rows, and an edge wholly right
// of, above or below the tile not at all. Every run of such edges is replaced by lines that
// keep exactly that: a vertical line just left of the tile between the same heights, clamped
// to the tile's rows, and otherwise vertical lines right of the device, where the rasterizer
// keeps no cells, all joined by level lines, which leave neither area nor cover. Edges near
// the tile are kept point for point. Filling that with the tile as clip sets each of the
// tile's pixels as filling the whole outline would.

namespace {

// Measured on the outlook's week: smaller tiles repeat more of the edges that cross several,
// larger ones take more of the rasterizer's bands.
constexpr int TileSize = 48;

struct Box {
    double left, top, right, bottom;

    Box grownBy(double margin) const { return {left - margin, top - margin, right + margin, bottom + margin}; }
    bool meets(const Box& other) const
    {
        return right >= other.left && left <= other.right && bottom >= other.top && top <= other.bottom;
    }
    void add(const Box& other)
    {
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
};

Box BoxOf(std::initializer_list<QPointF> points)
{
    Box box{points.begin()->x(), points.begin()->y(), points.begin()->x(), points.begin()->y()};
    for (const QPointF& point : points)
        box.add({point.x(), point.y(), point.x(), point.y()});
    return box;
}

struct Segment {
    bool curve = false;
    QPointF c1, c2, end;  // a curve's control points and end; a line's end
    Box reach;            // holds the segment, its start included
};

struct Contour {
    QPointF start;
    std::vector<Segment> segments;  // the last one closes the contour
    Box reach;
};

std::vector<Contour> ContoursOf(const QPainterPath& outline)
{
    std::vector<Contour> contours;
    QPointF at;
    const auto add = [&](const Segment& segment) {
        Contour& contour = contours.back();
        contour.reach.add(segment.reach);
        contour.segments.push_back(segment);
        at = segment.end;
    };
    const auto line = [&](QPointF to) { add({false, {}, {}, to, BoxOf({at, to})}); };
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element element = outline.elementAt(i);
        if (element.isMoveTo()) {
            if (!contours.empty())
                line(contours.back().start);
            contours.push_back({element, {}, BoxOf({element})});
            at = element;
        } else if (element.isLineTo()) {
            line(element);
        } else if (element.isCurveTo()) {
            const QPointF c2 = outline.elementAt(i + 1), end = outline.elementAt(i + 2);
            add({true, element, c2, end, BoxOf({at, element, c2, end})});
            i += 2;
        }
    }
    if (!contours.empty())
        line(contours.back().start);
    return contours;
}

// Builds the outline of one tile, contour by contour.
class TileOutline {
public:
    // `far` is a column right of the device.
    TileOutline(const QRect& tile, double far)
        : near_(Box{double(tile.left()), double(tile.top()), double(tile.right() + 1), double(tile.bottom() + 1)}
                    .grownBy(1)),
          left_(tile.left() - 2),
          far_(far)
    {
        outline_.setFillRule(Qt::WindingFill);
    }

    void add(const Contour& contour)
    {
        if (!contour.reach.meets(near_))
            return;  // closed and wholly beside the tile: it adds nothing to any row's cover
        const bool startsAway = !contour.segments.front().reach.meets(near_);
        if (startsAway)
            outline_.moveTo(far_, clampedY(contour.start.y()));
        else
            outline_.moveTo(contour.start);
        away_ = startsAway;
        at_ = contour.start;
        for (const Segment& segment : contour.segments) {
            if (segment.reach.meets(near_)) {
                if (away_)
                    endRun();
                if (segment.curve)
                    outline_.cubicTo(segment.c1, segment.c2, segment.end);
                else
                    outline_.lineTo(segment.end);
            } else {
                if (!away_)
                    outline_.lineTo(far_, at_.y());
                away_ = true;
                runAway(segment);
            }
            at_ = segment.end;
        }
        // A contour that started away closes by a vertical line at `far`; one that started at
        // its own start returns there.
        flushRise();
        if (away_ && !startsAway)
            endRun();
    }

    const QPainterPath& outline() const { return outline_; }

private:
    // A segment in a run away from the tile: only a part left of it counts, by its rise and
    // fall within the tile's rows.
    void runAway(const Segment& segment)
    {
        const Box& reach = segment.reach;
        if (reach.right < near_.left) {
            if (!rising_)
                riseFrom_ = clampedY(at_.y());
            rising_ = true;
            riseTo_ = clampedY(segment.end.y());
        } else if (reach.left > near_.right) {
            flushRise();
        }
    }

    // From `far` back to where the next kept segment starts.
    void endRun()
    {
        flushRise();
        outline_.lineTo(far_, at_.y());
        outline_.lineTo(at_);
        away_ = false;
    }

    void flushRise()
    {
        if (!rising_)
            return;
        outline_.lineTo(far_, riseFrom_);
        outline_.lineTo(left_, riseFrom_);
        outline_.lineTo(left_, riseTo_);
        outline_.lineTo(far_, riseTo_);
        rising_ = false;
    }

    double clampedY(double y) const { return std::clamp(y, near_.top, near_.bottom); }

    Box near_;
    double left_;  // the column of the stand-ins for runs left of the tile
    double far_;
    QPainterPath outline_;
    QPointF at_;
    bool away_ = false;    // the path stands at `far` in place of a run of segments away from the tile
    bool rising_ = false;  // a rise and fall left of the tile waits to be added
    double riseFrom_ = 0, riseTo_ = 0;
};

// Where the pixels come from Qt's antialiasing rasterizer filling the pen's outline in
// device pixels that are the painter's own shifted by whole pixels.
bool FilledByRasterizer(const QPainter& painter, const QPen& pen)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QTransform& toDevice = painter.deviceTransform();
    const auto whole = [](qreal value) { return value == std::round(value); };
    return engine && engine->type() == QPaintEngine::Raster && engine->paintDevice()
           && painter.testRenderHint(QPainter::Antialiasing)
           && painter.compositionMode() == QPainter::CompositionMode_SourceOver && !pen.isCosmetic()
           && pen.widthF() > 1 && pen.brush().style() == Qt::SolidPattern
           && toDevice.type() <= QTransform::TxTranslate && whole(toDevice.dx()) && whole(toDevice.dy());
}

}  // namespace

void StrokeInTiles(QPainter& painter, const QPainterPath& path, const QPen& pen)
{
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (!FilledByRasterizer(painter, pen)) {
        painter.drawPath(path);
        return;
    }
    const QPainterPath outline = QPainterPathStroker(pen).createStroke(path);
    const std::vector<Contour> contours = ContoursOf(outline);
    const QRectF bounds = outline.controlPointRect();
    const int left = int(std::floor(bounds.left())) - 1, right = int(std::ceil(bounds.right())) + 1;
    const int top = int(std::floor(bounds.top())) - 1, bottom = int(std::ceil(bounds.bottom())) + 1;
    const int columns = (right - left) / TileSize + 1, rows = (bottom - top) / TileSize + 1;

    // Every pixel inside the outline lies within a pen width of one of its edges, so a tile
    // with no edge that near keeps its pixels as they are.
    const double inside = pen.widthF() + 2;
    std::vector<bool> touched(std::size_t(columns) * rows, false);
    for (const Contour& contour : contours) {
        for (const Segment& segment : contour.segments) {
            const Box reach = segment.reach.grownBy(inside);
            const int c0 = std::max(0, int(std::floor((reach.left - left) / TileSize)));
            const int c1 = std::min(columns - 1, int(std::floor((reach.right - left) / TileSize)));
            const int r0 = std::max(0, int(std::floor((reach.top - top) / TileSize)));
            const int r1 = std::min(rows - 1, int(std::floor((reach.bottom - top) / TileSize)));
            for (int c = c0; c <= c1; ++c)
                for (int r = r0; r <= r1; ++r)
                    touched[std::size_t(c) * rows + r] = true;
        }
    }

    const Qt::ClipOperation clip = painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip;
    const double far = painter.paintEngine()->paintDevice()->width() - painter.deviceTransform().dx() + 2;
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            if (!touched[std::size_t(c) * rows + r])
                continue;
            const QRect tile(left + c * TileSize, top + r * TileSize, TileSize, TileSize);
            TileOutline tileOutline(tile, far);
            for (const Contour& contour : contours)
                tileOutline.add(contour);
            painter.save();
            painter.setClipRect(tile, clip);
            painter.fillPath(tileOutline.outline(), pen.brush());
            painter.restore();
        }
    }
}
