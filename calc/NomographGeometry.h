#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "calc/NomographRun.h"
#include "calc/Units.h"

// What the nomograph chart draws, as plain data in each panel's user units: scales,
// grids, curves, lines, labels with their placing, and the solution path. The window's
// panels and the phone page render the same description, so both show one chart.
namespace NomographGeometry {

// picRH (humidity curves, top left), picCT (concrete lines, top right), picWV (wind
// lines, bottom right) and picRate (the rate scale left of picWV).
enum class Panel { RH, CT, WV, Rate };

// Colours by their role; each front end holds the palette.
enum class Ink {
    Fore,      // black, the panels' normal fore colour
    Humidity,  // light blue
    Concrete,  // light magenta
    Wind,      // light red
    Current,   // whatever fore colour the panel has (the rate scale's, never changed)
};

struct Clear {
    Panel panel;
};

// (x1, y1) at the bottom left and (x2, y2) at the top right of the panel.
struct Scale {
    Panel panel;
    float x1, y1, x2, y2;
};

struct Segment {
    double x1, y1, x2, y2;
};

// Separate one-pixel-wide segments in one ink.
struct Lines {
    Panel panel = Panel::RH;
    Ink ink = Ink::Fore;
    std::vector<Segment> segments;
};

// Where a label's top-left corner goes, from its text's width w and height h in the
// panel's user units (h is negative, the y axis growing upward).
enum class Across {
    Left,           // x
    Centred,        // x - w * 0.5
    CentredInPanel, // the panel's left + (its width - w) / 2, in single precision
};
enum class Upward {
    Top,         // y
    Centred,     // y - h * 0.5
    OnLine,      // (w + x) * slope - h: the bottom rests on the line y = slope * x at the label's right end
};

struct Label {
    Panel panel = Panel::RH;
    std::string text;
    Ink ink = Ink::Fore;
    bool bold = false;
    Across across = Across::Left;
    double x = 0;
    Upward upward = Upward::Top;
    double y = 0;
    double slope = 0;  // for Upward::OnLine
};

using Item = std::variant<Clear, Scale, Lines, Label>;

// The static chart in drawing order, for a humidity panel `rhPixelWidth` pixels wide
// (its curves are drawn in one-pixel steps of air temperature).
std::vector<Item> DescribeChart(UnitSystem units, int rhPixelWidth);

struct PathLine {
    Panel panel;
    Segment segment;
};

// The six lines of a solution from the air temperature (degrees F) up to its humidity
// curve, across to the concrete-temperature line, down to the wind line and across to
// the rate scale, in the model's units, where they fall (the panels clip them).
std::array<PathLine, 6> DescribePath(float AirTemp, const NomographSolution& solution);

// The path's line width in pixels.
inline constexpr int PathWidth = 4;

}  // namespace NomographGeometry
