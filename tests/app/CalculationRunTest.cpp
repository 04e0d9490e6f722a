#include "tests/app/MainWindowFixture.h"

// The soak's judge compares every result, scenario cell, threshold element and scroll
// bar with the core after each random action; here is what the judge cannot know:
// the values kept behind the labels, the starting texts and what the window writes back.
namespace {

using CalculationRunTest = MainWindowFixture;

// Negative rates show as 0.000, and what the window keeps for saving and printing is
// never negative either.
TEST_F(CalculationRunTest, KeepsNoNegativeRateForSavingAndPrinting)
{
    enterInputs("100", "100", "40", "25");
    EXPECT_EQ(caption("lblEvapNomo"), "0.000");
    EXPECT_EQ(window->solution().EvaporationRateNomo, 0.0f);
    EXPECT_EQ(window->solution().RateACI, 0.0f);
}

TEST_F(CalculationRunTest, TheAlternateRateWaitsAt005AndKeepsItsTextWhileNotChosen)
{
    element<QRadioButton>("optAlternate")->click();
    EXPECT_EQ(box("txtUserRate")->text(), "0.05");
    box("txtAlternateRate")->setText(".15");
    element<QRadioButton>("optDefault")->click();
    EXPECT_EQ(box("txtAlternateRate")->text(), ".15");
    element<QRadioButton>("optAlternate")->click();
    EXPECT_EQ(box("txtUserRate")->text(), ".15");
}

// A bar moved by a text writes its whole number back into the box, unless the text
// already rounds to where the bar stands (a half to the even neighbour).
TEST_F(CalculationRunTest, ABarThatMovesWritesItsPositionBack)
{
    enterInputs("80", "50", "90", "10");
    const struct { const char *box, *typed, *shown; float calculated; } steps[] = {
        {"txtAirTemp", "80.4", "80.4", 80.4f}, {"txtAirTemp", "80.5", "80.5", 80.5f},
        {"txtAirTemp", "80.6", "81", 81.0f},   {"txtAirTemp", "120", "120", 120.0f},
        {"txtAirTemp", "81.4", "81.4", 81.4f},  // the bar kept 81 while hidden
        {"txtRelativeHumidity", "abc", "0", 81.4f},  // a word reads 0
        {"txtRelativeHumidity", "abc", "abc", 81.4f},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.box) + " " + step.typed);
        box(step.box)->setText(step.typed);
        EXPECT_EQ(box(step.box)->text(), step.shown);
        EXPECT_FLOAT_EQ(window->inputs().AirTemp, step.calculated);
    }
    for (const char* bar : {"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp", "hsbWindVelocity"}) {
        EXPECT_EQ(element<QScrollBar>(bar)->singleStep(), 1) << bar;
        EXPECT_EQ(element<QScrollBar>(bar)->pageStep(), 1) << bar;
    }
}

TEST_F(CalculationRunTest, DraggingWritesAndCalculatesEveryPosition)
{
    enterInputs("60", "50", "70", "10");
    QScrollBar* air = element<QScrollBar>("hsbAirTemp");
    air->setSliderDown(true);
    QString lastRate = caption("lblEvapEqn");
    for (int position = 61; position <= 64; ++position) {
        air->setSliderPosition(position);
        EXPECT_EQ(box("txtAirTemp")->text(), QString::number(position));
        EXPECT_NE(caption("lblEvapEqn"), lastRate) << "recalculated at " << position;
        lastRate = caption("lblEvapEqn");
    }
    air->setSliderDown(false);
}

}  // namespace
