#include "calc/NomographGeometry.h"

#include "calc/CuringSupp.h"
#include "calc/NumberWriting.h"
#include "calc/Single.h"

namespace NomographGeometry {
namespace {

// The humidity panel spans 40 to 100 degrees F; its vertical grid lines stop at 9, the
// band above holding the air-temperature labels.
constexpr float AirLeft = 40;
constexpr float AirRight = 100;
constexpr double AirGridTop = 9;
constexpr double WindPanelWidth = 8;
// Wind labels start here and rest on their line.
constexpr double WindLabelX = 6.2;

struct PublishedLine {
    float a;  // x where a concrete line meets the bottom edge; y at x = 8 for a wind line
    float b;  // y where a concrete line meets the left edge
};

// The concrete-temperature lines for 40, 50, ..., 100 degrees F as the chart draws them
// (their own constants; the path's corners lie on the model's lines).
constexpr std::array<PublishedLine, 7> ConcreteLinesUS{{
    {0.9618034f, 1.1279199f},
    {1.492799f, 1.7519466f},
    {2.219161f, 2.5561736f},
    {3.1458986f, 3.6874304f},
    {4.4834065f, 4.9988875f},
    {6.1415153f, 6.9911013f},
    {8.300564f, 9.32703f},
}};

struct WindLine {
    short speed;        // in the system shown
    float endOrdinate;  // y at x = 8; every wind line starts at the origin
};

constexpr std::array<WindLine, 7> WindLinesUS{{
    {0, 0.100137234f},
    {2, 0.17763038f},
    {5, 0.3009149f},
    {10, 0.4830741f},
    {15, 0.67479414f},
    {20, 0.8554437f},
    {25, 1.0627631f},
}};

std::string Caption(const char* quantity, std::string_view unit)
{
    return std::string(quantity) + " (" + std::string(unit) + ")";
}

Lines Single(Panel panel, Ink ink, double x1, double y1, double x2, double y2)
{
    return {panel, ink, {{x1, y1, x2, y2}}};
}

Label Bold(Panel panel, double x, double y, std::string text, Ink ink)
{
    Label label{panel, std::move(text), ink};
    label.bold = true;
    label.x = x;
    label.y = y;
    return label;
}

// A system whose units are not the model's labels its scales at round values of its
// own units, placed by the exact conversion.
const ChartLabels* Relabelled(UnitSystem units)
{
    return SystemOf(units).chartLabels;
}

void AddGrids(std::vector<Item>& chart, UnitSystem units)
{
    const UnitSystemTable& system = SystemOf(units);
    chart.push_back(Scale{Panel::RH, AirLeft, 0, AirRight, 10});
    if (const ChartLabels* labels = Relabelled(units)) {
        chart.push_back(Single(Panel::RH, Ink::Fore, AirLeft, 0, AirLeft, AirGridTop));
        for (int degrees : labels->airTicks) {
            const double x = system.temperature->ToModel(degrees);
            chart.push_back(Single(Panel::RH, Ink::Fore, x, 0, x, AirGridTop));
        }
        chart.push_back(Single(Panel::RH, Ink::Fore, AirRight, 0, AirRight, AirGridTop));
    } else {
        for (int x = 40; x <= 100; x += 10)
            chart.push_back(Single(Panel::RH, Ink::Fore, x, 0, x, AirGridTop));
    }
    for (int y = 0; y <= 10; ++y)
        chart.push_back(Single(Panel::RH, Ink::Fore, AirLeft, y, AirRight, y));

    chart.push_back(Scale{Panel::CT, 0, 0, 8, 10});
    chart.push_back(Scale{Panel::WV, 0, 0, 8, 1});
    chart.push_back(Scale{Panel::Rate, 0, 0, 1, 1});
    // On picWV the verticals run past its top and so span its full height.
    for (int x = 0; x <= 8; ++x) {
        chart.push_back(Single(Panel::CT, Ink::Fore, x, 0, x, 10));
        chart.push_back(Single(Panel::WV, Ink::Fore, x, 0, x, 10));
    }
    for (int y = 0; y <= 10; ++y)
        chart.push_back(Single(Panel::CT, Ink::Fore, 0, y, 8, y));
    if (const ChartLabels* labels = Relabelled(units)) {
        for (double rate = 0; rate <= labels->lastRate; rate += labels->rateStep) {
            const double y = system.rate->ToModel(rate);
            chart.push_back(Single(Panel::WV, Ink::Fore, 0, y, 8, y));
        }
        chart.push_back(Single(Panel::WV, Ink::Fore, 0, 1, 8, 1));
    } else {
        for (double y = 0; y <= 1; y += 0.1)
            chart.push_back(Single(Panel::WV, Ink::Fore, 0, y, 8, y));
    }
}

void AddHumidityCurves(std::vector<Item>& chart, int rhPixelWidth)
{
    const auto& curves = CuringSupp::HumidityCurves;
    // One pixel's worth of air temperature per segment; each point evaluated once, a
    // segment's end being the next one's start.
    const float step = (AirRight - AirLeft) / float(rhPixelWidth);
    Lines lines{Panel::RH, Ink::Humidity, {}};
    if (std::isfinite(step) && step > 0) {
        std::array<float, CuringSupp::HumidityCurves.size()> y{}, yNext{};
        for (std::size_t i = 0; i < curves.size(); ++i)
            y[i] = curves[i](AirLeft);
        for (float x = AirLeft; x <= AirRight; x += step) {
            const float next = x + step;
            for (std::size_t i = 0; i < curves.size(); ++i) {
                yNext[i] = curves[i](next);
                lines.segments.push_back({x, y[i], next, yNext[i]});
            }
            y = yNext;
        }
    }
    chart.push_back(std::move(lines));

    chart.push_back(Bold(Panel::RH, 42, 6.7f, "Relative Humidty (%)", Ink::Humidity));
    // Each curve's label centred on it at 94 degrees F.
    int humidity = 10;
    for (CuringSupp::CurveFunction curve : curves) {
        Label label{Panel::RH, std::to_string(humidity), Ink::Humidity};
        label.across = Across::Centred;
        label.x = 94;
        label.upward = Upward::Centred;
        label.y = curve(94);
        chart.push_back(std::move(label));
        humidity += 10;
    }
}

Label Tick(Panel panel, std::string text, double x, double y)
{
    Label label{panel, std::move(text), Ink::Fore};
    label.across = Across::Centred;
    label.x = x;
    label.upward = Upward::Centred;
    label.y = y;
    return label;
}

void AddAirLabels(std::vector<Item>& chart, UnitSystem units)
{
    constexpr double labelsY = 9.3;
    if (const ChartLabels* labels = Relabelled(units)) {
        for (int degrees : labels->airTicks)
            chart.push_back(Tick(Panel::RH, NumberFormat::WholeNumber(degrees),
                                 SystemOf(units).temperature->ToModel(degrees), labelsY));
    } else {
        for (double t = 50; t <= 90; t += 10)
            chart.push_back(Tick(Panel::RH, NumberFormat::TwoDigits(t), t, labelsY));
    }
    Label caption = Bold(Panel::RH, 0, 10, Caption("Air Temperature", Units::Symbol(Quantity::Temperature, units)), Ink::Fore);
    caption.across = Across::CentredInPanel;
    chart.push_back(std::move(caption));
}

void AddRateLabels(std::vector<Item>& chart, UnitSystem units)
{
    const auto add = [&chart](double shown, double y) {
        Label label{Panel::Rate, NumberFormat::OneDecimal(shown), Ink::Current};
        label.across = Across::CentredInPanel;
        label.upward = Upward::Centred;
        label.y = y;
        chart.push_back(std::move(label));
    };
    if (const ChartLabels* labels = Relabelled(units)) {
        for (double rate = labels->rateStep; rate <= labels->lastRate; rate += labels->rateStep)
            add(rate, SystemOf(units).rate->ToModel(rate));
    } else {
        for (double t = 0.1; t <= 0.9; t += 0.1)
            add(t, t);
    }
}

Label ConcreteTick(std::string text, float intercept)
{
    Label label{Panel::CT, std::move(text), Ink::Concrete};
    label.x = 0.2f;
    label.y = intercept;
    return label;
}

void AddConcreteLines(std::vector<Item>& chart, UnitSystem units)
{
    chart.push_back(Bold(Panel::CT, 1.5f, 8.7f, Caption("Concrete Temperature", Units::Symbol(Quantity::Temperature, units)),
                         Ink::Concrete));
    Lines lines{Panel::CT, Ink::Concrete, {}};
    if (const ChartLabels* labels = Relabelled(units)) {
        for (int degrees : labels->concreteLines) {
            const float fahrenheit = ToSingle(SystemOf(units).temperature->ToModel(degrees));
            const float intercept = CuringSupp::FindYInterceptConcTemp(fahrenheit);
            chart.push_back(ConcreteTick(NumberFormat::Digits(degrees), intercept));
            lines.segments.push_back({-intercept / *ConcreteSlope(fahrenheit), 0, 0, intercept});
        }
    } else {
        for (double t = 40; t <= 100; t += 10)
            chart.push_back(ConcreteTick(NumberFormat::Digits(t), CuringSupp::FindYInterceptConcTemp(float(t))));
        for (const PublishedLine& line : ConcreteLinesUS)
            lines.segments.push_back({line.a, 0, 0, line.b});
    }
    chart.push_back(std::move(lines));
}

// A wind line's label starts at x = 6.2 and rests on the model's line for that speed.
Label WindLabel(short speed, float mph)
{
    Label label{Panel::WV, NumberFormat::WholeNumber(speed), Ink::Wind};
    label.x = WindLabelX;
    label.upward = Upward::OnLine;
    label.slope = CuringSupp::FindWindEndOrinate(mph) / 8;
    return label;
}

void AddWindLines(std::vector<Item>& chart, UnitSystem units)
{
    std::vector<WindLine> windLines(WindLinesUS.begin(), WindLinesUS.end());
    std::vector<float> mph;
    for (const WindLine& line : WindLinesUS)
        mph.push_back(line.speed);
    if (const ChartLabels* labels = Relabelled(units)) {
        windLines.clear();
        mph.clear();
        for (int speed : labels->windLines) {
            mph.push_back(ToSingle(SystemOf(units).wind->ToModel(speed)));
            windLines.push_back({static_cast<short>(speed), CuringSupp::FindWindEndOrinate(mph.back())});
        }
    }
    Lines lines{Panel::WV, Ink::Wind, {}};
    for (const WindLine& line : windLines)
        lines.segments.push_back({0, 0, WindPanelWidth, line.endOrdinate});
    chart.push_back(std::move(lines));
    for (std::size_t i = 0; i < windLines.size(); ++i)
        chart.push_back(WindLabel(windLines[i].speed, mph[i]));
    chart.push_back(Bold(Panel::WV, 1.8f, 0.87f, Caption("Wind Velocity", Units::Symbol(Quantity::Wind, units)), Ink::Wind));
}

}  // namespace

std::vector<Item> DescribeChart(UnitSystem units, int rhPixelWidth)
{
    std::vector<Item> chart{Clear{Panel::RH}, Clear{Panel::CT}, Clear{Panel::WV}};
    AddGrids(chart, units);
    AddHumidityCurves(chart, rhPixelWidth);
    AddAirLabels(chart, units);
    AddRateLabels(chart, units);
    AddConcreteLines(chart, units);
    AddWindLines(chart, units);
    return chart;
}

std::array<PathLine, 6> DescribePath(float AirTemp, const NomographSolution& s)
{
    const double ordinate = s.RHOrdinate;
    const double x = s.XIntersection;
    const double rate = s.EvaporationRateNomo;
    return {{
        {Panel::RH, {AirTemp, 0, AirTemp, ordinate}},
        {Panel::RH, {AirTemp, ordinate, AirRight, ordinate}},
        {Panel::CT, {0, ordinate, x, ordinate}},
        {Panel::CT, {x, ordinate, x, 0}},
        {Panel::WV, {0, rate, x, rate}},
        {Panel::WV, {x, rate, x, 1}},
    }};
}

}  // namespace NomographGeometry
