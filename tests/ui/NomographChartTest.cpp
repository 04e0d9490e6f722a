#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "calc/CuringSupp.h"
#include "tests/ui/DesignPanels.h"
#include "ui/NomographChart.h"

namespace {

using Colors::QBColor;
using Kind = ChartOperation::Kind;

class NomographChartTest : public ::testing::Test {
protected:
    explicit NomographChartTest(int rhWidth = 164) : design(rhWidth)
    {
        PicsAutoRedraw(design.panels(), true);
        NomographChart::DrawChart(*design.picRH, *design.picCT, *design.picWV, *design.picRate);
    }

    std::vector<ChartOperation> lines(const char* panel, uint32_t color) const
    {
        std::vector<ChartOperation> found;
        for (const ChartOperation& line : design.log.of(Kind::Line, panel)) {
            if (line.color == color)
                found.push_back(line);
        }
        return found;
    }

    std::vector<ChartOperation> texts(const char* panel) const { return design.log.of(Kind::Text, panel); }

    // The first text printed on the panel, in the colour if one is given.
    const ChartOperation& text(const char* panel, const QString& wanted,
                               std::optional<uint32_t> color = {}) const
    {
        static const ChartOperation none;
        const auto& all = design.log.operations();
        const auto found = std::find_if(all.begin(), all.end(), [&](const ChartOperation& op) {
            return op.kind == Kind::Text && op.surface == panel && op.text == wanted &&
                   (!color || op.color == *color);
        });
        EXPECT_NE(found, all.end()) << wanted.toStdString() << " not printed on " << panel;
        return found == all.end() ? none : *found;
    }

    DesignPanels design;
};

TEST_F(NomographChartTest, EverythingGoesToThePersistentLayer)
{
    for (const ChartOperation& op : design.log.operations())
        EXPECT_EQ(op.layer, ChartLayer::Persistent);
}

TEST_F(NomographChartTest, ClearsTheThreeChartPanelsButNotTheRateScale)
{
    const auto clears = design.log.of(Kind::Clear);
    ASSERT_EQ(clears.size(), 3u);
    EXPECT_EQ(clears[0].surface, "picRH");
    EXPECT_EQ(clears[1].surface, "picCT");
    EXPECT_EQ(clears[2].surface, "picWV");
}

TEST_F(NomographChartTest, HumidityGridHasSevenShortVerticalsAndElevenHorizontals)
{
    const auto grid = lines("picRH", QBColor(0));
    ASSERT_EQ(grid.size(), 18u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(grid[i].from, QPointF(40 + 10 * i, 0));
        EXPECT_EQ(grid[i].to, QPointF(40 + 10 * i, 9));
    }
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(grid[7 + i].from, QPointF(40, i));
        EXPECT_EQ(grid[7 + i].to, QPointF(100, i));
    }
}

TEST_F(NomographChartTest, ConcreteAndWindGridsRunTheirVerticalsTogether)
{
    const auto ct = lines("picCT", QBColor(0));
    const auto wv = lines("picWV", QBColor(0));
    ASSERT_EQ(ct.size(), 20u);
    ASSERT_EQ(wv.size(), 20u);
    for (int x = 0; x <= 8; ++x) {
        EXPECT_EQ(ct[x].from, QPointF(x, 0));
        EXPECT_EQ(ct[x].to, QPointF(x, 10));
        EXPECT_EQ(wv[x].from, QPointF(x, 0));
        EXPECT_EQ(wv[x].to, QPointF(x, 10));
    }
    for (int y = 0; y <= 10; ++y)
        EXPECT_EQ(ct[9 + y].from, QPointF(0, y));
    // The verticals alternate between the panels.
    const auto all = design.log.of(Kind::Line);
    const auto firstCT = std::find_if(all.begin(), all.end(), [](auto& op) { return op.surface == "picCT"; });
    ASSERT_NE(firstCT, all.end());
    EXPECT_EQ((firstCT + 1)->surface, "picWV");
    EXPECT_EQ((firstCT + 2)->surface, "picCT");
}

TEST_F(NomographChartTest, WindGridHorizontalsAccumulateTenthsUpToJustBelowOne)
{
    const auto wv = lines("picWV", QBColor(0));
    ASSERT_EQ(wv.size(), 20u);
    double y = 0;
    for (int i = 9; i < 20; ++i) {
        EXPECT_EQ(wv[i].from, QPointF(0, y));
        EXPECT_EQ(wv[i].to, QPointF(8, y));
        y += 0.1;
    }
    EXPECT_EQ(wv.back().from.y(), 0.9999999999999999);
    EXPECT_LT(wv.back().from.y(), 1.0);
}

struct FixedLine {
    const char* name;
    float a;
    float b;
};

TEST_F(NomographChartTest, ConcreteLinesJoinTheBottomAndLeftEdgesAtFixedPoints)
{
    const std::vector<FixedLine> expected{
        {"40F", 0.9618034f, 1.1279199f}, {"50F", 1.492799f, 1.7519466f}, {"60F", 2.219161f, 2.5561736f},
        {"70F", 3.1458986f, 3.6874304f}, {"80F", 4.4834065f, 4.9988875f}, {"90F", 6.1415153f, 6.9911013f},
        {"100F", 8.300564f, 9.32703f}};
    const auto concrete = lines("picCT", QBColor(13));
    ASSERT_EQ(concrete.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(concrete[i].from, QPointF(expected[i].a, 0));
        EXPECT_EQ(concrete[i].to, QPointF(0, expected[i].b));
        EXPECT_EQ(concrete[i].width, 1);
    }
}

TEST_F(NomographChartTest, WindLinesRiseFromTheOriginToFixedEnds)
{
    const std::vector<std::pair<const char*, float>> expected{
        {"0mph", 0.100137234f}, {"2mph", 0.17763038f}, {"5mph", 0.3009149f}, {"10mph", 0.4830741f},
        {"15mph", 0.67479414f}, {"20mph", 0.8554437f}, {"25mph", 1.0627631f}};
    const auto wind = lines("picWV", QBColor(12));
    ASSERT_EQ(wind.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(wind[i].from, QPointF(0, 0));
        EXPECT_EQ(wind[i].to, QPointF(8, expected[i].second));
    }
}

TEST_F(NomographChartTest, RateScaleHasNineCentredLabelsAndNoLines)
{
    EXPECT_TRUE(design.log.of(Kind::Line, "picRate").empty());
    const auto labels = texts("picRate");
    ASSERT_EQ(labels.size(), 9u);
    ChartPanel& picRate = *design.picRate;
    for (int i = 0; i < 9; ++i) {
        const QString label = QString("0.%1").arg(i + 1);
        const double rate = (i + 1) / 10.0;
        EXPECT_EQ(labels[i].text, label);
        EXPECT_NEAR(labels[i].from.x() + picRate.TextWidth(label) / 2, 0.5, 1e-6) << i;
        EXPECT_NEAR(labels[i].from.y() + picRate.TextHeight(label) / 2, rate, 1e-6) << i;
        EXPECT_EQ(labels[i].color, picRate.ForeColor());
    }
}

TEST_F(NomographChartTest, AirTemperatureLabelsAreCentredBelowTheTopEdge)
{
    ChartPanel& picRH = *design.picRH;
    for (int t = 50; t <= 90; t += 10) {
        const QString label = QString::number(t);
        const ChartOperation& printed = text("picRH", label, QBColor(0));
        EXPECT_NEAR(printed.from.x() + picRH.TextWidth(label) / 2, t, 1e-4) << t;
        EXPECT_NEAR(printed.from.y() + picRH.TextHeight(label) / 2, 9.3, 1e-5) << t;
        EXPECT_EQ(printed.color, QBColor(0));
    }
    for (const char* absent : {"40", "100"}) {
        for (const ChartOperation& op : texts("picRH"))
            EXPECT_FALSE(op.text == absent && op.color == QBColor(0)) << absent;
    }
}

TEST_F(NomographChartTest, CaptionsAreBoldInTheirElementsColours)
{
    struct Caption {
        const char* panel;
        QString text;
        QPointF at;
        uint32_t color;
    };
    const std::vector<Caption> captions{
        {"picRH", "Relative Humidty (%)", QPointF(42, 6.7f), QBColor(9)},
        {"picCT", "Concrete Temperature (°F)", QPointF(1.5f, 8.7f), QBColor(13)},
        {"picWV", "Wind Velocity (mph)", QPointF(1.8f, 0.87f), QBColor(12)}};
    for (const Caption& caption : captions) {
        const ChartOperation& printed = text(caption.panel, caption.text);
        EXPECT_EQ(printed.from, caption.at) << caption.text.toStdString();
        EXPECT_EQ(printed.color, caption.color) << caption.text.toStdString();
        EXPECT_TRUE(printed.bold) << caption.text.toStdString();
    }

    ChartPanel& picRH = *design.picRH;
    const ChartOperation& air = text("picRH", "Air Temperature (°F)");
    picRH.SetFontBold(true);
    EXPECT_NEAR(air.from.x() + picRH.TextWidth("Air Temperature (°F)") / 2, 70, 1e-4);
    picRH.SetFontBold(false);
    EXPECT_EQ(air.from.y(), 10);
    EXPECT_TRUE(air.bold);
    EXPECT_EQ(air.color, QBColor(0));
}

TEST_F(NomographChartTest, CurveLabelsAreCentredOnTheirCurvesAt94)
{
    ChartPanel& picRH = *design.picRH;
    int humidity = 10;
    for (CuringSupp::CurveFunction curve : CuringSupp::HumidityCurves) {
        const QString label = QString::number(humidity);
        const auto all = texts("picRH");
        const auto printed = std::find_if(all.begin(), all.end(), [&](const ChartOperation& op) {
            return op.text == label && op.color == QBColor(9);
        });
        ASSERT_NE(printed, all.end()) << humidity;
        EXPECT_NEAR(printed->from.x() + picRH.TextWidth(label) / 2, 94, 1e-4) << humidity;
        EXPECT_NEAR(printed->from.y() + picRH.TextHeight("X") / 2, curve(94), 1e-5) << humidity;
        EXPECT_FALSE(printed->bold);
        humidity += 10;
    }
}

TEST_F(NomographChartTest, ConcreteTickLabelsHangFromTheirIntercepts)
{
    const auto printed = texts("picCT");
    ASSERT_EQ(printed.size(), 8u);
    for (int i = 0; i < 7; ++i) {
        const int t = 40 + 10 * i;
        EXPECT_EQ(printed[1 + i].text, QString::number(t));
        EXPECT_FLOAT_EQ(float(printed[1 + i].from.x()), 0.2f);
        EXPECT_FLOAT_EQ(float(printed[1 + i].from.y()), CuringSupp::FindYInterceptConcTemp(float(t)));
        EXPECT_EQ(printed[1 + i].color, QBColor(13));
    }
}

TEST_F(NomographChartTest, WindLabelsRestOnTheirLinesAtTheirRightEnd)
{
    ChartPanel& picWV = *design.picWV;
    const auto printed = texts("picWV");
    ASSERT_EQ(printed.size(), 8u);
    const std::vector<short> speeds{0, 2, 5, 10, 15, 20, 25};
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        const QString label = QString::number(speeds[i]);
        const double slope = CuringSupp::FindWindEndOrinate(speeds[i]) / 8.0;
        const double right = 6.2 + picWV.TextWidth(label);
        EXPECT_EQ(printed[i].text, label);
        EXPECT_FLOAT_EQ(float(printed[i].from.x()), 6.2f);
        EXPECT_NEAR(printed[i].from.y() + picWV.TextHeight(label), right * slope, 1e-5) << label.toStdString();
        EXPECT_EQ(printed[i].color, QBColor(12));
    }
}

TEST_F(NomographChartTest, LeavesEachPanelBlackAndNotBold)
{
    for (ChartPanel* panel : {design.picRH, design.picCT, design.picWV}) {
        EXPECT_EQ(panel->ForeColor(), QBColor(0)) << panel->objectName().toStdString();
        EXPECT_FALSE(panel->FontBold());
        EXPECT_EQ(panel->DrawWidth(), 1);
    }
}

class NarrowHumidityPanel : public NomographChartTest {
protected:
    NarrowHumidityPanel() : NomographChartTest(159) {}
};

TEST_F(NarrowHumidityPanel, EachCurveIsAChainOfOnePixelSegmentsAcrossThePanel)
{
    const auto segments = lines("picRH", QBColor(9));
    const std::size_t curves = CuringSupp::HumidityCurves.size();
    ASSERT_EQ(segments.size() % curves, 0u);
    const std::size_t perCurve = segments.size() / curves;
    EXPECT_GE(perCurve, 159u);
    EXPECT_LE(perCurve, 161u);

    const double step = 60.0f / 159.0f;
    for (std::size_t c = 0; c < curves; ++c) {
        SCOPED_TRACE(c);
        const auto curve = CuringSupp::HumidityCurves[c];
        const ChartOperation& first = segments[c];
        EXPECT_EQ(first.from, QPointF(40, curve(40)));
        for (std::size_t i = 1; i < perCurve; ++i) {
            const ChartOperation& segment = segments[i * curves + c];
            ASSERT_EQ(segment.from, segments[(i - 1) * curves + c].to) << i;
            ASSERT_NEAR(segment.to.x() - segment.from.x(), step, 1e-4) << i;
            ASSERT_FLOAT_EQ(float(segment.to.y()), curve(float(segment.to.x()))) << i;
        }
        const ChartOperation& last = segments[(perCurve - 1) * curves + c];
        EXPECT_LE(last.from.x(), 100);
        EXPECT_GT(last.to.x(), 100 - 1e-4);
    }
}

}  // namespace
