#include <array>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/ScenarioSolver.h"

namespace {

// A cell as shown: "#Num!" or the value with one decimal, and whether it is in the
// failure colour (failed or outside the limits).
struct Cell { std::string text; bool flagged = false; };

const Cell kNum{"#Num!", true};

TEST(Scenarios, WorkedCasesSolveEachRowForTheThreshold)
{
    const struct { InputSet inputs; float threshold; std::array<Cell, 4> cells; } cases[] = {
        {{70, 50, 70, 10}, 0.1f, {Cell{"70.7"}, Cell{"51.2"}, Cell{"69.7"}, Cell{"9.7"}}},
        {{70, 50, 70, 10}, 0.2f, {Cell{"20.9", true}, Cell{"2.4"}, Cell{"81.8"}, Cell{"21.9"}}},
        {{70, 50, 70, 10}, 0.05f, {Cell{"82.6"}, Cell{"75.6"}, Cell{"62.2"}, Cell{"3.6"}}},
        {{70, 50, 70, 10}, 0.0f, {Cell{"92.4"}, Cell{"100.0"}, Cell{"53.1"}, Cell{"-2.5", true}}},
        {{70, 0, 70, 10}, 0.1f, {kNum, Cell{"51.2"}, Cell{"52.5"}, Cell{"3.6"}}},  // dry air divides by zero
        {{70, 0, 70, 10}, 0.2f, {kNum, Cell{"2.4"}, Cell{"69.3"}, Cell{"9.7"}}},
        {{70, 50, 70, 0}, 0.1f, {kNum, Cell{"-143.9", true}, Cell{"107.7", true}, Cell{"9.7"}}},  // negative base
        {{70, 100, 70, 10}, 0.1f, {Cell{"53.6"}, Cell{"51.2"}, Cell{"82.1"}, kNum}},
    };
    const char* rows[] = {"air temperature", "relative humidity", "concrete temperature", "wind velocity"};
    for (const auto& c : cases) {
        const auto outcomes = SolveScenarios(c.inputs, c.threshold);
        for (std::size_t k = 0; k < 4; ++k) {
            SCOPED_TRACE(std::string(rows[k]) + " at " + std::to_string(c.threshold) + ", "
                         + std::to_string(c.inputs.RelativeHumidity) + " %");
            EXPECT_EQ(outcomes[k].text(), c.cells[k].text);
            EXPECT_EQ(outcomes[k].failed || outcomes[k].outsideLimits, c.cells[k].flagged);
            EXPECT_EQ(outcomes[k].failed, c.cells[k].text == "#Num!");
        }
    }
    // Saturated air at the concrete temperature leaves no wind velocity at any threshold.
    for (float threshold : {0.2f, 0.05f, 0.0f})
        EXPECT_TRUE(SolveScenarios({70, 100, 70, 10}, threshold)[3].failed) << threshold;
}

TEST(Scenarios, TheLimitsAreInclusiveOnTheValueNotOnItsText)
{
    // The concrete temperature whose row gives about 100.04 at 70 F, 50 %, 10 mph.
    const double required = std::pow(100.04, 2.5) - 0.5 * std::pow(70.0, 2.5);
    const ScenarioOutcome concrete = SolveScenarios({70, 50, 70, 10}, static_cast<float>(required * 5e-6))[2];
    ASSERT_FALSE(concrete.failed);
    EXPECT_EQ(concrete.text(), "100.0");
    EXPECT_GT(concrete.value, 100.0f);
    EXPECT_TRUE(concrete.outsideLimits);

    // With no threshold and equal temperatures the humidity row finds exactly 100.
    const ScenarioOutcome humidity = SolveScenarios({70, 50, 70, 10}, 0.0f)[1];
    EXPECT_EQ(humidity.value, 100.0f);
    EXPECT_FALSE(humidity.outsideLimits);
}

TEST(Scenarios, NonFiniteResultsAndInputsFailWithoutCrashing)
{
    // A huge threshold sends the wind row beyond the largest single.
    EXPECT_EQ(SolveScenarios({70, 50, 70, 10}, 3e37f)[3].text(), "#Num!");

    const float inf = std::numeric_limits<float>::infinity();
    const auto infiniteAir = SolveScenarios({inf, 50, 70, 10}, 0.1f);
    EXPECT_EQ(infiniteAir[0].text(), "70.7");  // the air row does not use the air temperature
    EXPECT_TRUE(infiniteAir[1].failed && infiniteAir[2].failed && infiniteAir[3].failed);
    for (const auto& outcome : SolveScenarios({70, 50, 70, 10}, inf))
        EXPECT_TRUE(outcome.failed);
    const auto negativeAir = SolveScenarios({-70, 50, 70, 10}, 0.1f);
    EXPECT_TRUE(negativeAir[1].failed && negativeAir[3].failed);
}

}  // namespace
