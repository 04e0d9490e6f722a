#include "ui/NomographChart.h"

#include <QString>

#include "ui/ChartSurface.h"
#include "ui/Colors.h"
#include "ui/CoreTexts.h"
#include "ui/GraphicsSupp.h"
#include "ui/LocalNumbers.h"
#include "ui/NomographPanels.h"
#include "ui/QtText.h"

namespace NomographChart {
namespace {

using namespace NomographGeometry;

ChartSurface& PanelOf(const NomographPanels& panels, Panel panel)
{
    switch (panel) {
    case Panel::RH: return *panels.picRH;
    case Panel::CT: return *panels.picCT;
    case Panel::WV: return *panels.picWV;
    case Panel::Rate: break;
    }
    return *panels.picRate;
}

uint32_t ColorOf(Ink ink, const ChartSurface& panel)
{
    switch (ink) {
    case Ink::Fore: return Colors::ChartFore;
    case Ink::Humidity: return Colors::HumidityInk;
    case Ink::Concrete: return Colors::ConcreteInk;
    case Ink::Wind: return Colors::WindInk;
    case Ink::Current: break;
    }
    return panel.ForeColor();
}

// A chart text in the language in force: a caption "Name (unit)" with its name translated, a
// scale number with the language's decimal separator.
QString ChartText(const std::string& text)
{
    const std::size_t open = text.rfind(" (");
    if (open != std::string::npos && text.back() == ')')
        return CoreText(std::string_view(text).substr(0, open)) + Q(std::string_view(text).substr(open));
    return LocalNumbers::Shown(text);
}

void DrawLabel(ChartSurface& panel, const Label& label)
{
    panel.SetForeColor(ColorOf(label.ink, panel));
    panel.SetFontBold(label.bold);
    const QString text = ChartText(label.text);
    const float w = panel.TextWidth(text);
    const float h = panel.TextHeight(text);
    switch (label.across) {
    case Across::Left: panel.SetCurrentX(float(label.x)); break;
    case Across::Centred: panel.SetCurrentX(float(label.x - w * 0.5)); break;
    case Across::CentredInPanel: panel.SetCurrentX(panel.ScaleLeft() + (panel.ScaleWidth() - w) / 2); break;
    }
    switch (label.upward) {
    case Upward::Top: panel.SetCurrentY(float(label.y)); break;
    case Upward::Centred: panel.SetCurrentY(float(label.y - h * 0.5)); break;
    case Upward::OnLine: panel.SetCurrentY(float((w + label.x) * label.slope - h)); break;
    }
    panel.Print(text);
    if (label.bold)
        panel.SetFontBold(false);
}

struct DrawItem {
    const NomographPanels& panels;

    void operator()(const Clear& clear) const { PanelOf(panels, clear.panel).Cls(); }
    void operator()(const Scale& scale) const
    {
        GraphicsSupp::SetUserScale(PanelOf(panels, scale.panel), scale.x1, scale.y1, scale.x2, scale.y2, 0, 0);
    }
    void operator()(const Lines& lines) const
    {
        ChartSurface& panel = PanelOf(panels, lines.panel);
        std::vector<QLineF> segments;
        segments.reserve(lines.segments.size());
        for (const Segment& s : lines.segments)
            segments.emplace_back(s.x1, s.y1, s.x2, s.y2);
        panel.Lines(segments, ColorOf(lines.ink, panel));
    }
    void operator()(const Label& label) const { DrawLabel(PanelOf(panels, label.panel), label); }
};

}  // namespace

void Draw(const NomographPanels& panels, const std::vector<Item>& chart)
{
    for (const Item& item : chart)
        std::visit(DrawItem{panels}, item);
    // Each labelled panel ends in its normal fore colour; the rate scale keeps its own.
    for (ChartSurface* panel : {panels.picRH, panels.picCT, panels.picWV})
        panel->SetForeColor(Colors::ChartFore);
}

void DrawChart(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, ChartSurface& picRate,
               UnitSystem units)
{
    Draw({&picRH, &picCT, &picWV, &picRate}, DescribeChart(units, picRH.Width()));
}

void DrawSolutionPath(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, float AirTemp,
                      const NomographSolution& solution, uint32_t SolutionLineColor)
{
    const NomographPanels panels{&picRH, &picCT, &picWV, nullptr};
    const short keptWidth = picRH.DrawWidth();
    for (ChartSurface* panel : {&picRH, &picCT, &picWV})
        panel->SetDrawWidth(PathWidth);
    for (const PathLine& line : DescribePath(AirTemp, solution))
        PanelOf(panels, line.panel)
            .Line(line.segment.x1, line.segment.y1, line.segment.x2, line.segment.y2, SolutionLineColor);
    for (ChartSurface* panel : {&picRH, &picCT, &picWV})
        panel->SetDrawWidth(keptWidth);
}

}  // namespace NomographChart
