#pragma once

#include <cstdint>
#include <vector>

#include <QPointF>
#include <QString>

// The two drawing layers of a chart panel: the chart lives in the persistent
// image, the solution path in the transient overlay above it.
enum class ChartLayer { Persistent, Transient };

// One drawing operation as the drawing code asked for it, in the panel's user
// units. Clearing the persistent layer blanks the transient one too.
struct ChartOperation {
    enum class Kind { Clear, Line, Text };

    ChartOperation() = default;
    ChartOperation(Kind kind, ChartLayer layer) : kind(kind), layer(layer) {}

    Kind kind = Kind::Line;
    ChartLayer layer = ChartLayer::Persistent;
    QString surface;     // the object name of the panel drawn on
    QPointF from;        // a line's start, or a text's top-left corner
    QPointF to;          // a line's end
    QString text;
    uint32_t color = 0;  // line or text colour; the back colour for Clear
    int width = 0;       // draw width in pixels of a line
    bool bold = false;   // whether a text is printed bold
};

// Keeps every operation of the panels it is given, in order, so that drawing
// can be checked through its geometry instead of its pixels.
class ChartOperationLog {
public:
    void append(const ChartOperation& operation) { operations_.push_back(operation); }
    void clear() { operations_.clear(); }
    const std::vector<ChartOperation>& operations() const { return operations_; }

    // The operations of one kind, optionally of one panel only.
    std::vector<ChartOperation> of(ChartOperation::Kind kind, const QString& surface = {}) const
    {
        std::vector<ChartOperation> found;
        for (const ChartOperation& operation : operations_) {
            if (operation.kind == kind && (surface.isEmpty() || operation.surface == surface))
                found.push_back(operation);
        }
        return found;
    }

private:
    std::vector<ChartOperation> operations_;
};
