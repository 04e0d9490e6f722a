#include <gtest/gtest.h>

#include <optional>

#include <QImage>

#include "calc/CuringSupp.h"
#include "ui/ChartPanel.h"
#include "ui/NomographChart.h"
#include "ui/NomographPanels.h"

namespace {

using Kind = ChartOperation::Kind;

// The four chart panels as the main window places them at its design size, in their
// normal colours, all drawing into one operation log, with the chart drawn.
struct DesignPanels {
    explicit DesignPanels(int rhWidth = 164)
        : picRH(addPanel("picRH", QRect(0, 0, rhWidth, 274), Colors::ChartBack)),
          picCT(addPanel("picCT", QRect(rhWidth, 0, 219, 274), Colors::ChartBack)),
          picWV(addPanel("picWV", QRect(rhWidth, 274, 219, 274), Colors::ChartBack)),
          picRate(addPanel("picRate", QRect(rhWidth - 25, 274, 25, 274), Colors::RateScaleBack))
    {
        PicsAutoRedraw(panels(), true);
        NomographChart::DrawChart(*picRH, *picCT, *picWV, *picRate);
    }
    ChartPanel* addPanel(const char* name, const QRect& geometry, uint32_t backColor)
    {
        auto* panel = new ChartPanel(&window);
        panel->setObjectName(name);
        panel->setGeometry(geometry);
        panel->SetBackColor(backColor);
        panel->setOperationLog(&log);
        return panel;
    }
    NomographPanels panels() const { return {picRH, picCT, picWV, picRate}; }
    std::vector<QImage> images() const
    {
        return {picRH->grab().toImage(), picCT->grab().toImage(), picWV->grab().toImage(),
                picRate->grab().toImage()};
    }
    // What was drawn on one panel, of one kind and, when given, one colour.
    std::vector<ChartOperation> drawn(Kind kind, const char* panel, std::optional<uint32_t> color = {}) const
    {
        std::vector<ChartOperation> found = log.of(kind, panel);
        std::erase_if(found, [&](const ChartOperation& op) { return color && op.color != *color; });
        return found;
    }
    // The centre of a printed text, measured in the font it was printed in.
    static QPointF centreOf(ChartPanel& panel, const ChartOperation& printed)
    {
        panel.SetFontBold(printed.bold);
        const QPointF size(panel.TextWidth(printed.text), panel.TextHeight(printed.text));
        panel.SetFontBold(false);
        return printed.from + size / 2;
    }

    QWidget window;
    ChartOperationLog log;
    ChartPanel* picRH;
    ChartPanel* picCT;
    ChartPanel* picWV;
    ChartPanel* picRate;
};

void ExpectNear(QPointF actual, QPointF expected, double tolerance)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
}

// The first and last verticals, then the first and last horizontals of each grid.
TEST(NomographChart, GridsAreEvenlySpacedBlackLines)
{
    const struct { const char* panel; std::size_t index; QPointF from, to; } ends[] = {
        // The humidity verticals stop at 9, below the air-temperature labels.
        {"picRH", 0, {40, 0}, {40, 9}}, {"picRH", 6, {100, 0}, {100, 9}},
        {"picRH", 7, {40, 0}, {100, 0}}, {"picRH", 17, {40, 10}, {100, 10}},
        {"picCT", 0, {0, 0}, {0, 10}}, {"picCT", 8, {8, 0}, {8, 10}},
        {"picCT", 9, {0, 0}, {8, 0}}, {"picCT", 19, {0, 10}, {8, 10}},
        // The wind verticals run past the top; the horizontals add up tenths and so stop just below 1.
        {"picWV", 0, {0, 0}, {0, 10}}, {"picWV", 8, {8, 0}, {8, 10}},
        {"picWV", 9, {0, 0}, {8, 0}}, {"picWV", 19, {0, 0.9999999999999999}, {8, 0.9999999999999999}},
    };
    const DesignPanels design;
    for (const auto& end : ends) {
        SCOPED_TRACE(testing::Message() << end.panel << " line " << end.index);
        const auto grid = design.drawn(Kind::Line, end.panel, Colors::ChartFore);
        ASSERT_EQ(grid.size(), end.panel == QString("picRH") ? 18u : 20u);
        EXPECT_EQ(grid[end.index].from, end.from);
        EXPECT_EQ(grid[end.index].to, end.to);
    }
}

TEST(NomographChart, ConcreteAndWindLinesRunBetweenFixedPoints)
{
    // Concrete 40, 50, ..., 100 F: where each meets the bottom and the left edge.
    const float concrete[][2] = {{0.9618034f, 1.1279199f}, {1.492799f, 1.7519466f}, {2.219161f, 2.5561736f},
                                 {3.1458986f, 3.6874304f}, {4.4834065f, 4.9988875f}, {6.1415153f, 6.9911013f},
                                 {8.300564f, 9.32703f}};
    // Wind 0, 2, 5, 10, 15, 20, 25 mph: each rises from the origin to this height at x = 8.
    const float windEnds[] = {0.100137234f, 0.17763038f, 0.3009149f, 0.4830741f,
                              0.67479414f,  0.8554437f,  1.0627631f};
    const DesignPanels design;
    const auto ct = design.drawn(Kind::Line, "picCT", Colors::ConcreteInk);
    const auto wv = design.drawn(Kind::Line, "picWV", Colors::WindInk);
    ASSERT_EQ(ct.size(), 7u);
    ASSERT_EQ(wv.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ct[i].from, QPointF(concrete[i][0], 0));
        EXPECT_EQ(ct[i].to, QPointF(0, concrete[i][1]));
        EXPECT_EQ(wv[i].from, QPointF(0, 0));
        EXPECT_EQ(wv[i].to, QPointF(8, windEnds[i]));
    }
}

TEST(NomographChart, LabelsSitAtTheirMarks)
{
    DesignPanels design;
    // Air temperatures 50..90 centred below the top edge (not 40 or 100), then the caption.
    const auto air = design.drawn(Kind::Text, "picRH", Colors::ChartFore);
    ASSERT_EQ(air.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(air[i].text, QString::number(50 + 10 * i));
        ExpectNear(DesignPanels::centreOf(*design.picRH, air[i]), QPointF(50 + 10 * i, 9.3), 1e-4);
    }
    EXPECT_NEAR(DesignPanels::centreOf(*design.picRH, air[5]).x(), 70, 1e-4) << "the caption";

    // The caption, then humidities 10..100 centred on their curves at 94.
    const auto humidities = design.drawn(Kind::Text, "picRH", Colors::HumidityInk);
    ASSERT_EQ(humidities.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(humidities[1 + i].text, QString::number(10 * (i + 1)));
        const float atCurve = CuringSupp::HumidityCurves[i](94);
        ExpectNear(DesignPanels::centreOf(*design.picRH, humidities[1 + i]), QPointF(94, atCurve), 1e-4);
    }

    const auto rates = design.drawn(Kind::Text, "picRate", Colors::ChartFore);
    ASSERT_EQ(rates.size(), 9u);
    EXPECT_TRUE(design.drawn(Kind::Line, "picRate").empty());
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(rates[i].text, QString("0.%1").arg(i + 1));
        ExpectNear(DesignPanels::centreOf(*design.picRate, rates[i]), QPointF(0.5, (i + 1) / 10.0), 1e-6);
    }

    // Concrete temperatures hang from their intercepts on the left edge, after the caption.
    const auto concrete = design.drawn(Kind::Text, "picCT", Colors::ConcreteInk);
    ASSERT_EQ(concrete.size(), 8u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(concrete[1 + i].text, QString::number(40 + 10 * i));
        EXPECT_EQ(concrete[1 + i].from, QPointF(0.2f, CuringSupp::FindYInterceptConcTemp(40.0f + 10 * i)));
    }

    // Wind speeds rest on their lines at the label's right end, then the caption.
    const auto wind = design.drawn(Kind::Text, "picWV", Colors::WindInk);
    ASSERT_EQ(wind.size(), 8u);
    const short speeds[] = {0, 2, 5, 10, 15, 20, 25};
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(speeds[i]);
        const QString label = QString::number(speeds[i]);
        const double slope = CuringSupp::FindWindEndOrinate(speeds[i]) / 8.0;
        EXPECT_EQ(wind[i].text, label);
        EXPECT_FLOAT_EQ(float(wind[i].from.x()), 6.2f);
        EXPECT_NEAR(wind[i].from.y() + design.picWV->TextHeight(label),
                    (6.2 + design.picWV->TextWidth(label)) * slope, 1e-5);
    }
}

TEST(NomographChart, EachCurveIsAChainOfOnePixelSegmentsAcrossThePanel)
{
    const DesignPanels design(159);
    const auto segments = design.drawn(Kind::Line, "picRH", Colors::HumidityInk);
    const std::size_t curves = CuringSupp::HumidityCurves.size();
    ASSERT_EQ(segments.size() % curves, 0u);
    const std::size_t perCurve = segments.size() / curves;
    EXPECT_GE(perCurve, 159u);
    EXPECT_LE(perCurve, 161u);
    for (std::size_t c = 0; c < curves; ++c) {
        SCOPED_TRACE(c);
        const auto curve = CuringSupp::HumidityCurves[c];
        EXPECT_EQ(segments[c].from, QPointF(40, curve(40)));
        for (std::size_t i = 1; i < perCurve; ++i) {
            const ChartOperation& segment = segments[i * curves + c];
            ASSERT_EQ(segment.from, segments[(i - 1) * curves + c].to) << i;
            ASSERT_NEAR(segment.to.x() - segment.from.x(), 60.0f / 159.0f, 1e-4) << i;
            ASSERT_FLOAT_EQ(float(segment.to.y()), curve(float(segment.to.x()))) << i;
        }
        EXPECT_LE(segments[(perCurve - 1) * curves + c].from.x(), 100);
        EXPECT_GT(segments[(perCurve - 1) * curves + c].to.x(), 100 - 1e-4);
    }
}

void DrawPath(DesignPanels& design, float airTemp, float rhOrdinate, float xIntersection, float rate)
{
    PicsAutoRedraw(design.panels(), false);
    NomographSolution path;
    path.RHOrdinate = rhOrdinate;
    path.XIntersection = xIntersection;
    path.EvaporationRateNomo = rate;
    NomographChart::DrawSolutionPath(*design.picRH, *design.picCT, *design.picWV, airTemp, path,
                                     Colors::SolutionPathOnScreen);
}

TEST(SolutionPath, IsSixThickLinesInOrderOnTheTransientLayer)
{
    // The run 80 F, 50 %, 90 F, 10 mph, and 40 F, 100 %, 40 F, no wind, whose path runs just
    // left of picCT and picWV and just below picWV's bottom: it is drawn where it falls.
    const struct { float air, rh, x, rate; } runs[] = {{80, 2.41975f, 3.97325f, 0.24144f},
                                                       {40, 1.22189f, -0.08f, -0.001f}};
    DesignPanels design;
    for (const auto& r : runs) {
        design.log.clear();
        DrawPath(design, r.air, r.rh, r.x, r.rate);
        const struct { const char* panel; QPointF from, to; } expected[] = {
            {"picRH", {r.air, 0}, {r.air, r.rh}}, {"picRH", {r.air, r.rh}, {100, r.rh}},
            {"picCT", {0, r.rh}, {r.x, r.rh}},    {"picCT", {r.x, r.rh}, {r.x, 0}},
                        {"picWV", {0, r.rate}, {r.x, r.rate}}, {"picWV", {r.x, r.rate}, {r.x, 1}}};
        const auto& path = design.log.operations();
        ASSERT_EQ(path.size(), std::size(expected));
        for (std::size_t i = 0; i < path.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "air " << r.air << ", line " << i + 1);
            EXPECT_EQ(path[i].kind, Kind::Line);
            EXPECT_EQ(path[i].surface, expected[i].panel);
            EXPECT_EQ(path[i].from, expected[i].from);
            EXPECT_EQ(path[i].to, expected[i].to);
            EXPECT_EQ(path[i].width, 4);
            EXPECT_EQ(path[i].color, Colors::SolutionPathOnScreen);
            EXPECT_EQ(path[i].layer, ChartLayer::Transient);
        }
    }
    // The draw width of the humidity panel is restored on all three.
    design.picRH->SetDrawWidth(2);
    design.picWV->SetDrawWidth(3);
    DrawPath(design, 80, 2.41975f, 3.97325f, 0.24144f);
    for (ChartPanel* panel : {design.picRH, design.picCT, design.picWV})
        EXPECT_EQ(panel->DrawWidth(), 2) << panel->objectName().toStdString();
}

TEST(SolutionPath, ClearMyPicsRemovesOnlyThePathAndChangeGraphColorSparesTheRateScale)
{
    const DesignPanels chartOnly;
    DesignPanels design;
    DrawPath(design, 80, 2.41975f, 3.97325f, 0.24144f);
    ASSERT_NE(design.images(), chartOnly.images());
    design.log.clear();
    ClearMyPics(design.panels());
    EXPECT_EQ(design.images(), chartOnly.images());
    const auto clears = design.log.of(Kind::Clear);
    ASSERT_EQ(clears.size(), 4u);
    for (const ChartOperation& clear : clears)
        EXPECT_EQ(clear.layer, ChartLayer::Transient);

    design.log.clear();
    ChangeGraphColor(design.panels(), Colors::PrintBackground);
    for (ChartPanel* panel : {design.picRH, design.picCT, design.picWV})
        EXPECT_EQ(panel->BackColor(), Colors::PrintBackground);
    EXPECT_EQ(design.picRate->BackColor(), Colors::RateScaleBack);
    EXPECT_EQ(design.picRate->grab().toImage(), chartOnly.picRate->grab().toImage());
    EXPECT_EQ(design.log.of(Kind::Clear).size(), 3u);
}

}  // namespace
