#include "ui/NomographChart.h"

#include <array>
#include <cmath>
#include <vector>

#include <QString>

#include "calc/CuringSupp.h"
#include "calc/NumberWriting.h"
#include "ui/ChartSurface.h"
#include "ui/Colors.h"
#include "ui/GraphicsSupp.h"

namespace NomographChart {
namespace {

using Colors::QBColor;

struct ChartLine {
    float a;
    float b;
};

// Where each concrete-temperature line (40, 50, ..., 100 degrees F) meets the
// bottom edge (x = a) and the left edge (y = b) of picCT.
constexpr std::array<ChartLine, 7> ConcreteLines{{
    {0.9618034f, 1.1279199f},
    {1.492799f, 1.7519466f},
    {2.219161f, 2.5561736f},
    {3.1458986f, 3.6874304f},
    {4.4834065f, 4.9988875f},
    {6.1415153f, 6.9911013f},
    {8.300564f, 9.32703f},
}};

struct WindLine {
    short mph;
    float endOrdinate;  // y at x = 8; every wind line starts at the origin
};

constexpr std::array<WindLine, 7> WindLines{{
    {0, 0.100137234f},
    {2, 0.17763038f},
    {5, 0.3009149f},
    {10, 0.4830741f},
    {15, 0.67479414f},
    {20, 0.8554437f},
    {25, 1.0627631f},
}};

QString text(const std::string& formatted)
{
    return QString::fromStdString(formatted);
}

void printBold(ChartSurface& panel, float x, float y, const QString& caption)
{
    panel.SetCurrentX(x);
    panel.SetCurrentY(y);
    panel.SetFontBold(true);
    panel.Print(caption);
    panel.SetFontBold(false);
}

void drawGrids(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, ChartSurface& picRate)
{
    GraphicsSupp::SetUserScale(picRH, 40, 0, 100, 10, 0, 0);
    // The verticals stop at 9: the band above holds the air-temperature labels.
    for (int x = 40; x <= 100; x += 10)
        picRH.Line(x, 0, x, 9);
    for (int y = 0; y <= 10; ++y)
        picRH.Line(40, y, 100, y);

    GraphicsSupp::SetUserScale(picCT, 0, 0, 8, 10, 0, 0);
    GraphicsSupp::SetUserScale(picWV, 0, 0, 8, 1, 0, 0);
    GraphicsSupp::SetUserScale(picRate, 0, 0, 1, 1, 0, 0);
    // On picWV the verticals run past its top and so span its full height.
    for (int x = 0; x <= 8; ++x) {
        picCT.Line(x, 0, x, 10);
        picWV.Line(x, 0, x, 10);
    }
    for (int y = 0; y <= 10; ++y)
        picCT.Line(0, y, 8, y);
    for (double y = 0; y <= 1; y += 0.1)
        picWV.Line(0, y, 8, y);
}

void drawHumidityCurves(ChartSurface& picRH)
{
    const uint32_t color = QBColor(9);
    // One pixel's worth of air temperature per segment.
    const float step = picRH.ScaleWidth() / float(picRH.Width());
    if (std::isfinite(step) && step > 0) {
        const auto& curves = CuringSupp::HumidityCurves;
        // Each point is evaluated once: a segment's end is the next segment's start.
        std::array<float, CuringSupp::HumidityCurves.size()> y{}, yNext{};
        for (std::size_t i = 0; i < curves.size(); ++i)
            y[i] = curves[i](40);
        std::vector<QLineF> segments;
        for (float x = 40; x <= 100; x += step) {
            const float next = x + step;
            for (std::size_t i = 0; i < curves.size(); ++i) {
                yNext[i] = curves[i](next);
                segments.emplace_back(x, y[i], next, yNext[i]);
            }
            y = yNext;
        }
        picRH.Lines(segments, color);
    }

    picRH.SetForeColor(color);
    printBold(picRH, 42, 6.7f, "Relative Humidty (%)");
    int humidity = 10;
    for (CuringSupp::CurveFunction curve : CuringSupp::HumidityCurves) {
        const QString label = QString::number(humidity);
        picRH.SetCurrentY(float(curve(94) - picRH.TextHeight("X") * 0.5));
        picRH.SetCurrentX(float(94 - picRH.TextWidth(label) * 0.5));
        picRH.Print(label);
        humidity += 10;
    }
    picRH.SetForeColor(QBColor(0));
}

void labelAirTemperatures(ChartSurface& picRH)
{
    for (double t = 50; t <= 90; t += 10) {
        const QString label = text(NumberFormat::TwoDigits(t));
        picRH.SetCurrentX(float(t - picRH.TextWidth(label) / 2));
        picRH.SetCurrentY(float(9.3 - picRH.TextHeight(label) * 0.5));
        picRH.Print(label);
    }
    const QString caption = "Air Temperature (°F)";
    picRH.SetFontBold(true);
    picRH.SetCurrentX(40 + (picRH.ScaleWidth() - picRH.TextWidth(caption)) / 2);
    picRH.SetCurrentY(10);
    picRH.Print(caption);
    picRH.SetFontBold(false);
}

void labelRates(ChartSurface& picRate)
{
    for (double t = 0.1; t <= 0.9; t += 0.1) {
        const QString label = text(NumberFormat::OneDecimal(t));
        picRate.SetCurrentX((picRate.ScaleWidth() - picRate.TextWidth(label)) / 2);
        picRate.SetCurrentY(float(t - picRate.TextHeight(label) * 0.5));
        picRate.Print(label);
    }
}

void drawConcreteLines(ChartSurface& picCT)
{
    const uint32_t color = QBColor(13);
    picCT.SetForeColor(color);
    printBold(picCT, 1.5f, 8.7f, "Concrete Temperature (°F)");
    for (double t = 40; t <= 100; t += 10) {
        picCT.SetCurrentX(0.2f);
        picCT.SetCurrentY(CuringSupp::FindYInterceptConcTemp(float(t)));
        picCT.Print(text(NumberFormat::Digits(t)));
    }
    for (const ChartLine& line : ConcreteLines)
        picCT.Line(line.a, 0, 0, line.b, color);
    picCT.SetForeColor(QBColor(0));
}

void drawWindLines(ChartSurface& picWV)
{
    const uint32_t color = QBColor(12);
    picWV.SetForeColor(color);
    for (const WindLine& line : WindLines)
        picWV.Line(0, 0, 8, line.endOrdinate, color);
    for (const WindLine& line : WindLines)
        labelWind(picWV, line.mph);
    printBold(picWV, 1.8f, 0.87f, "Wind Velocity (mph)");
    picWV.SetForeColor(QBColor(0));
}

}  // namespace

void DrawChart(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, ChartSurface& picRate)
{
    picRH.Cls();
    picCT.Cls();
    picWV.Cls();
    drawGrids(picRH, picCT, picWV, picRate);
    drawHumidityCurves(picRH);
    labelAirTemperatures(picRH);
    labelRates(picRate);
    drawConcreteLines(picCT);
    drawWindLines(picWV);
}

void labelWind(ChartSurface& picWV, short t)
{
    const float slope = CuringSupp::FindWindEndOrinate(t) / 8;
    const QString label = text(NumberFormat::WholeNumber(t));
    const float width = picWV.TextWidth(label);
    // The height of the wind line at the label's right end, where the label's
    // bottom edge rests.
    const double y = (width + 6.2) * slope;
    picWV.SetCurrentX(6.2f);
    picWV.SetCurrentY(float(y - picWV.TextHeight(QString::number(t))));
    picWV.Print(label);
}

void DrawSolutionPath(ChartSurface& picRH, ChartSurface& picCT, ChartSurface& picWV, float AirTemp,
                      float RHOrdinate, float XIntersection, float EvaporationRateNomo,
                      uint32_t SolutionLineColor)
{
    const short keptWidth = picRH.DrawWidth();
    for (ChartSurface* panel : {&picRH, &picCT, &picWV})
        panel->SetDrawWidth(4);

    picRH.Line(AirTemp, 0, AirTemp, RHOrdinate, SolutionLineColor);
    picRH.Line(AirTemp, RHOrdinate, 100, RHOrdinate, SolutionLineColor);
    picCT.Line(0, RHOrdinate, XIntersection, RHOrdinate, SolutionLineColor);
    picCT.Line(XIntersection, RHOrdinate, XIntersection, 0, SolutionLineColor);
    picWV.Line(0, EvaporationRateNomo, XIntersection, EvaporationRateNomo, SolutionLineColor);
    picWV.Line(XIntersection, EvaporationRateNomo, XIntersection, 1, SolutionLineColor);

    for (ChartSurface* panel : {&picRH, &picCT, &picWV})
        panel->SetDrawWidth(keptWidth);
}

}  // namespace NomographChart
