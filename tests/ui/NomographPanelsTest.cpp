#include <gtest/gtest.h>

#include "tests/ui/DesignPanels.h"
#include "ui/NomographChart.h"

namespace {

using Colors::QBColor;
using Kind = ChartOperation::Kind;

// Values of the run with air 80 F, 50 %, concrete 90 F and wind 10 mph.
constexpr float AirTemp = 80;
constexpr float RHOrdinate = 2.41975f;
constexpr float XIntersection = 3.97325f;
constexpr float EvaporationRateNomo = 0.24144f;

bool showsOnly(ChartPanel& panel, const QColor& color)
{
    const QImage shown = panel.grab().toImage();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y) != color)
                return false;
        }
    }
    return true;
}

// The chart in the persistent layer and the 80/50/90/10 path above it, as the
// main window leaves them after a calculation.
class ChartWithPath : public ::testing::Test {
protected:
    ChartWithPath()
    {
        PicsAutoRedraw(design.panels(), true);
        ClearMyPics(design.panels());
        NomographChart::DrawChart(*design.picRH, *design.picCT, *design.picWV, *design.picRate);
        PicsAutoRedraw(design.panels(), false);
        design.log.clear();
        drawPath();
    }

    void drawPath()
    {
        NomographChart::DrawSolutionPath(*design.picRH, *design.picCT, *design.picWV, AirTemp, RHOrdinate,
                                         XIntersection, EvaporationRateNomo, Colors::SolutionPathOnScreen);
    }

    DesignPanels design;
    const QColor pathColor = Colors::toQColor(Colors::SolutionPathOnScreen);
    const QColor chartBack = Colors::toQColor(Colors::ChartBack);
};

TEST_F(ChartWithPath, PathIsSixThickLinesInOrderOnTheTransientLayer)
{
    struct Segment {
        const char* panel;
        QPointF from;
        QPointF to;
    };
    const std::vector<Segment> expected{
        {"picRH", {AirTemp, 0}, {AirTemp, RHOrdinate}},
        {"picRH", {AirTemp, RHOrdinate}, {100, RHOrdinate}},
        {"picCT", {0, RHOrdinate}, {XIntersection, RHOrdinate}},
        {"picCT", {XIntersection, RHOrdinate}, {XIntersection, 0}},
        {"picWV", {0, EvaporationRateNomo}, {XIntersection, EvaporationRateNomo}},
        {"picWV", {XIntersection, EvaporationRateNomo}, {XIntersection, 1}}};
    const auto& drawn = design.log.operations();
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(drawn[i].kind, Kind::Line);
        EXPECT_EQ(drawn[i].surface, expected[i].panel);
        EXPECT_EQ(drawn[i].from, expected[i].from);
        EXPECT_EQ(drawn[i].to, expected[i].to);
        EXPECT_EQ(drawn[i].width, 4);
        EXPECT_EQ(drawn[i].color, Colors::SolutionPathOnScreen);
        EXPECT_EQ(drawn[i].layer, ChartLayer::Transient);
    }
}

TEST_F(ChartWithPath, DrawWidthOfTheHumidityPanelIsRestoredOnAllThree)
{
    design.picRH->SetDrawWidth(2);
    design.picCT->SetDrawWidth(1);
    design.picWV->SetDrawWidth(3);
    drawPath();
    for (ChartPanel* panel : {design.picRH, design.picCT, design.picWV})
        EXPECT_EQ(panel->DrawWidth(), 2) << panel->objectName().toStdString();
}

TEST_F(ChartWithPath, PathShowsOverTheChartAndTheBackgroundElsewhere)
{
    EXPECT_EQ(shownColorAt(*design.picRH, 90, RHOrdinate), pathColor);
    EXPECT_EQ(shownColorAt(*design.picRH, AirTemp, 1.2), pathColor);
    EXPECT_EQ(shownColorAt(*design.picCT, XIntersection, 5.5), chartBack);
    EXPECT_EQ(shownColorAt(*design.picCT, XIntersection, 1.5), pathColor);
    EXPECT_EQ(shownColorAt(*design.picWV, 2.5, EvaporationRateNomo), pathColor);
    EXPECT_EQ(shownColorAt(*design.picRH, 45, 7.5), chartBack);
    EXPECT_EQ(shownColorAt(*design.picWV, 5.5, 0.55), chartBack);
}

TEST_F(ChartWithPath, ClearMyPicsWithAutoRedrawOffRemovesOnlyThePath)
{
    DesignPanels chartOnly;
    PicsAutoRedraw(chartOnly.panels(), true);
    NomographChart::DrawChart(*chartOnly.picRH, *chartOnly.picCT, *chartOnly.picWV, *chartOnly.picRate);
    ASSERT_NE(design.picRH->grab().toImage(), chartOnly.picRH->grab().toImage());

    ClearMyPics(design.panels());

    EXPECT_EQ(design.picRH->grab().toImage(), chartOnly.picRH->grab().toImage());
    EXPECT_EQ(design.picCT->grab().toImage(), chartOnly.picCT->grab().toImage());
    EXPECT_EQ(design.picWV->grab().toImage(), chartOnly.picWV->grab().toImage());
    EXPECT_EQ(design.picRate->grab().toImage(), chartOnly.picRate->grab().toImage());
    const auto clears = design.log.of(Kind::Clear);
    ASSERT_EQ(clears.size(), 4u);
    const char* order[] = {"picRH", "picCT", "picWV", "picRate"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(clears[i].surface, order[i]);
        EXPECT_EQ(clears[i].layer, ChartLayer::Transient);
    }
}

TEST_F(ChartWithPath, ChangeGraphColorNeverTouchesTheRateScale)
{
    const QImage rateBefore = design.picRate->grab().toImage();
    design.log.clear();

    ChangeGraphColor(design.panels(), QBColor(15));

    for (ChartPanel* panel : {design.picRH, design.picCT, design.picWV}) {
        EXPECT_EQ(panel->BackColor(), QBColor(15));
        EXPECT_TRUE(showsOnly(*panel, Qt::white));
    }
    EXPECT_EQ(design.picRate->BackColor(), Colors::RateScaleBack);
    EXPECT_EQ(design.picRate->grab().toImage(), rateBefore);
    EXPECT_TRUE(design.log.of(Kind::Clear, "picRate").empty());
    EXPECT_EQ(design.log.of(Kind::Clear).size(), 3u);
}

// Air 40 F, 100 %, concrete 40 F, no wind: the path runs just left of picCT
// and picWV and just below picWV's bottom.
TEST(NegativeSolutionPath, IsDrawnWhereItFallsAndClippedByThePanels)
{
    DesignPanels design;
    PicsAutoRedraw(design.panels(), true);
    NomographChart::DrawChart(*design.picRH, *design.picCT, *design.picWV, *design.picRate);
    PicsAutoRedraw(design.panels(), false);
    design.log.clear();
    const float rhOrdinate = 1.22189f;
    const float xIntersection = -0.08f;
    const float rate = -0.001f;

    NomographChart::DrawSolutionPath(*design.picRH, *design.picCT, *design.picWV, 40, rhOrdinate,
                                     xIntersection, rate, Colors::SolutionPathOnScreen);

    const auto drawn = design.log.of(Kind::Line);
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[3].from, QPointF(xIntersection, rhOrdinate));
    EXPECT_EQ(drawn[4].from, QPointF(0, rate));
    const QColor pathColor = Colors::toQColor(Colors::SolutionPathOnScreen);
    EXPECT_EQ(shownColorAt(*design.picRH, 40, rhOrdinate / 2), pathColor);
    EXPECT_EQ(shownColorAt(*design.picCT, 0.1, 5.5), Colors::toQColor(Colors::ChartBack));
    EXPECT_EQ(shownColorAt(*design.picWV, 0.1, 0.55), Colors::toQColor(Colors::ChartBack));
}

}  // namespace
