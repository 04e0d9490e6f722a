#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/CuringSupp.h"
#include "calc/ScenarioSolver.h"
#include "tests/calc/CalcTestSupport.h"

namespace {

// Expected cell of one row: "#Num!" or the one-decimal value, and whether it is
// shown in the failure colour (failed or outside the limits).
struct Cell {
    std::string text;
    bool flagged;
};

struct ScenarioCase {
    const char* name;
    InputSet inputs;
    float threshold;
    std::array<Cell, 4> cells;
};

const Cell kNum{"#Num!", true};

class Scenarios : public ::testing::TestWithParam<ScenarioCase> {};

TEST_P(Scenarios, SolvesEachRowForTheThreshold)
{
    const ScenarioCase& c = GetParam();
    const auto outcomes = SolveScenarios(c.inputs, c.threshold);
    const char* rows[] = {"air temperature", "relative humidity", "concrete temperature", "wind velocity"};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(outcomes[k].text(), c.cells[k].text) << rows[k];
        EXPECT_EQ(outcomes[k].failed || outcomes[k].outsideLimits, c.cells[k].flagged) << rows[k];
        EXPECT_EQ(outcomes[k].failed, c.cells[k].text == "#Num!") << rows[k];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Worked, Scenarios,
    ::testing::Values(
        ScenarioCase{"At0_1AllInside", {70, 50, 70, 10}, 0.1f,
                     {Cell{"70.7", false}, Cell{"51.2", false}, Cell{"69.7", false}, Cell{"9.7", false}}},
        ScenarioCase{"At0_2AirBelowLimit", {70, 50, 70, 10}, 0.2f,
                     {Cell{"20.9", true}, Cell{"2.4", false}, Cell{"81.8", false}, Cell{"21.9", false}}},
        ScenarioCase{"At0_05", {70, 50, 70, 10}, 0.05f,
                     {Cell{"82.6", false}, Cell{"75.6", false}, Cell{"62.2", false}, Cell{"3.6", false}}},
        ScenarioCase{"DryAirDividesByZero", {70, 0, 70, 10}, 0.1f,
                     {kNum, Cell{"51.2", false}, Cell{"52.5", false}, Cell{"3.6", false}}},
        ScenarioCase{"DryAirAt0_2", {70, 0, 70, 10}, 0.2f,
                     {kNum, Cell{"2.4", false}, Cell{"69.3", false}, Cell{"9.7", false}}},
        ScenarioCase{"StillAirNegativeBase", {70, 50, 70, 0}, 0.1f,
                     {kNum, Cell{"-143.9", true}, Cell{"107.7", true}, Cell{"9.7", false}}},
        ScenarioCase{"SaturatedEqualTemperatures", {70, 100, 70, 10}, 0.1f,
                     {Cell{"53.6", false}, Cell{"51.2", false}, Cell{"82.1", false}, kNum}},
        ScenarioCase{"ZeroThreshold", {70, 50, 70, 10}, 0.0f,
                     {Cell{"92.4", false}, Cell{"100.0", false}, Cell{"53.1", false}, Cell{"-2.5", true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Scenarios, SaturatedEqualTemperaturesFailTheWindRowAtEveryThreshold)
{
    for (float threshold : {0.1f, 0.2f, 0.05f, 0.0f})
        EXPECT_TRUE(SolveScenarios({70, 100, 70, 10}, threshold)[3].failed) << threshold;
}

// Putting each found value back into the equation must give the threshold.
TEST(Scenarios, FoundValuesReachTheThreshold)
{
    const InputSet in{70, 50, 70, 10};
    for (float threshold : {0.05f, 0.1f, 0.2f}) {
        const auto o = SolveScenarios(in, threshold);
        const float rates[] = {
            CuringSupp::RateByEquation(o[0].value, in.RelativeHumidity, in.ConcreteTemp, in.WindVelocity),
            CuringSupp::RateByEquation(in.AirTemp, o[1].value, in.ConcreteTemp, in.WindVelocity),
            CuringSupp::RateByEquation(in.AirTemp, in.RelativeHumidity, o[2].value, in.WindVelocity),
            CuringSupp::RateByEquation(in.AirTemp, in.RelativeHumidity, in.ConcreteTemp, o[3].value)};
        for (float rate : rates)
            EXPECT_NEAR(rate, threshold, 1e-5) << threshold;
    }
}

TEST(Scenarios, AValueJustAboveTheLimitShowsTheLimitButIsOutside)
{
    // The concrete temperature whose row gives about 100.04 at 70 F, 50 %, 10 mph.
    const double target = 100.04;
    const double required = std::pow(target, 2.5) - 0.5 * std::pow(70.0, 2.5);
    const float threshold = static_cast<float>(required * 1e-6 * 5.0);
    const ScenarioOutcome concrete = SolveScenarios({70, 50, 70, 10}, threshold)[2];
    ASSERT_FALSE(concrete.failed);
    EXPECT_EQ(concrete.text(), "100.0");
    EXPECT_GT(concrete.value, 100.0f);
    EXPECT_TRUE(concrete.outsideLimits);
}

TEST(Scenarios, AValueExactlyOnTheLimitIsInside)
{
    // With no threshold and equal temperatures the humidity row finds exactly 100.
    const ScenarioOutcome humidity = SolveScenarios({70, 50, 70, 10}, 0.0f)[1];
    ASSERT_FALSE(humidity.failed);
    EXPECT_EQ(humidity.value, 100.0f);
    EXPECT_FALSE(humidity.outsideLimits);
}

TEST(Scenarios, ResultsBeyondSingleRangeFail)
{
    // A huge threshold sends the wind row beyond the largest single.
    const auto outcomes = SolveScenarios({70, 50, 70, 10}, 3e37f);
    EXPECT_TRUE(outcomes[3].failed);
    EXPECT_EQ(outcomes[3].text(), "#Num!");
}

TEST(Scenarios, NonFiniteInputsFailWithoutCrashing)
{
    const float inf = std::numeric_limits<float>::infinity();
    const auto infiniteAir = SolveScenarios({inf, 50, 70, 10}, 0.1f);
    EXPECT_EQ(infiniteAir[0].text(), "70.7");  // the air row does not use the air temperature
    EXPECT_TRUE(infiniteAir[1].failed);
    EXPECT_TRUE(infiniteAir[2].failed);
    EXPECT_TRUE(infiniteAir[3].failed);
    for (const auto& outcome : SolveScenarios({70, 50, 70, 10}, inf))
        EXPECT_TRUE(outcome.failed);
    const auto negativeAir = SolveScenarios({-70, 50, 70, 10}, 0.1f);
    EXPECT_TRUE(negativeAir[1].failed);
    EXPECT_TRUE(negativeAir[3].failed);
}

}  // namespace
