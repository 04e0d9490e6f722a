#include <cmath>

#include <gtest/gtest.h>

#include "calc/CuringSupp.h"
#include "calc/NomographRun.h"

namespace {

using namespace CuringSupp;

constexpr const char* kOk = "OK";
constexpr const char* kMay = "Measures may be needed.";
constexpr const char* kShall = "Measures shall be taken.";

// Agreement to `digits` significant digits: within `units` units of the last of them.
::testing::AssertionResult AgreesToDigits(double actual, double expected, int digits = 6, double units = 0.5)
{
    const double magnitude = std::floor(std::log10(std::fabs(expected)));
    if (std::fabs(actual - expected) <= units * std::pow(10.0, magnitude - (digits - 1)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " differs from " << expected << " in " << digits << " digits";
}

// The published six digits were taken with their own order of roundings, so the last
// digit may be one off (CurveRH40 at 70 is 1.3252552, published as 1.32525).
TEST(CuringSupp, CurvesMatchThePublishedTableToSixDigits)
{
    const struct { const char* name; CurveFunction function; double at40, at70, at100; } table[] = {
        {"CurveRH10", CurveRH10, 0.0751536, 0.30683, 0.885117},
        {"CurveRH20", CurveRH20, 0.171404, 0.608879, 1.70679},
        {"CurveRH30", CurveRH30, 0.317416, 1.02393, 2.64618},
        {"CurveRH40", CurveRH40, 0.38449, 1.32525, 3.67479},
        {"CurveRH50", CurveRH50, 0.527248, 1.70695, 4.58037},
        {"CurveRH60", CurveRH60, 0.658621, 2.06896, 5.49782},
        {"CurveRH70", CurveRH70, 0.772598, 2.40608, 6.43409},
        {"CurveRH80", CurveRH80, 0.881729, 2.72653, 7.35119},
        {"CurveRH90", CurveRH90, 1.05521, 3.13204, 8.37283},
        {"CurveRH100", CurveRH100, 1.22189, 3.51285, 9.19666},
        {"FindYInterceptConcTemp", FindYInterceptConcTemp, 1.12744, 3.64008, 9.33911},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(AgreesToDigits(row.function(40.0f), row.at40, 6, 1.0));
        EXPECT_TRUE(AgreesToDigits(row.function(70.0f), row.at70, 6, 1.0));
        EXPECT_TRUE(AgreesToDigits(row.function(100.0f), row.at100, 6, 1.0));
    }
    EXPECT_TRUE(AgreesToDigits(FindWindEndOrinate(0.0f), 0.0985989));
    EXPECT_TRUE(AgreesToDigits(FindWindEndOrinate(10.0f), 0.486132));
    EXPECT_TRUE(AgreesToDigits(FindWindEndOrinate(25.0f), 1.06181));
}

TEST(CuringSupp, InterpolateFollowsTheLineThroughBothEnds)
{
    const struct { float a, b, c, d, e, expected; } cases[] = {
        {10, 20, 1, 3, 15, 2}, {10, 20, 1, 3, 20, 3}, {10, 20, 1, 3, 10, 1},
        {10, 20, 1, 3, 25, 4}, {10, 20, 1, 3, 5, 0},  {0, 10, 0, 0.5f, 0, 0},
        {90, 100, -1.138334895f, -1.123662263f, 100, -1.123662263f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Interpolate(c.a, c.b, c.c, c.d, c.e), c.expected) << c.a << " " << c.b << " at " << c.e;
    // The lower end gives the lower ordinate to the last bit.
    for (float y : {0.0751536f, 1.70695f, 9.19666f, -1.172713605f})
        EXPECT_EQ(Interpolate(50.0f, 60.0f, y, y + 0.731f, 50.0f), y);
}

RunCaptions RunDefault(InputSet inputs)
{
    return CalculateRun(inputs, ThresholdChoice::Default, "0.2");
}

TEST(CalculationRun, ReferenceCaseGivesEveryNamedValue)
{
    const RunCaptions run = RunDefault({80.0f, 50.0f, 90.0f, 10.0f});
    const NomographSolution& s = run.solution;
    EXPECT_EQ(s.RHOrdinate, CurveRH50(80.0f));
    EXPECT_TRUE(AgreesToDigits(s.RHOrdinate, 2.41975));
    EXPECT_TRUE(AgreesToDigits(s.YInterceptConcTemp, 6.94263));
    EXPECT_EQ(s.slopeConcTemp, -1.138334895f);
    EXPECT_TRUE(AgreesToDigits(s.XIntersection, 3.97325));
    EXPECT_TRUE(AgreesToDigits(s.slopeWindVelocity, 0.0607665));
    EXPECT_TRUE(AgreesToDigits(s.EvaporationRateNomo, 0.24144, 5));
    EXPECT_TRUE(AgreesToDigits(s.RateACI, 0.241108));
    EXPECT_EQ(run.nomoCaption, "0.241");
    EXPECT_EQ(run.eqnCaption, "0.241");
    EXPECT_EQ(run.answer.text, kShall);
    EXPECT_TRUE(run.answer.red());
}

TEST(CalculationRun, WorkedCasesShowTheirCaptionsAndMessage)
{
    const struct { InputSet inputs; const char *nomoCaption, *eqnCaption, *answer; bool red; } cases[] = {
        {{70, 70, 70, 5}, "0.039", "0.037", kOk, false},
        {{100, 10, 100, 25}, "0.999", "0.990", kShall, true},
        {{40, 100, 40, 0}, "0.000", "0.000", kOk, false},
        {{100, 100, 40, 25}, "0.000", "0.000", kOk, false},  // negative rates show as zero
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nomoCaption);
        const RunCaptions run = RunDefault(c.inputs);
        EXPECT_EQ(run.nomoCaption, c.nomoCaption);
        EXPECT_EQ(run.eqnCaption, c.eqnCaption);
        EXPECT_EQ(run.answer.text, c.answer);
        EXPECT_EQ(run.answer.red(), c.red);
    }
    // The solution itself, used to draw the path, stays unclamped.
    const NomographSolution cold = RunDefault({40.0f, 100.0f, 40.0f, 0.0f}).solution;
    EXPECT_NEAR(cold.XIntersection, -0.08, 0.005);
    EXPECT_NEAR(cold.EvaporationRateNomo, -0.001, 0.0005);
    EXPECT_LT(cold.EvaporationRateNomo, 0.0f);
    EXPECT_LE(cold.RateACI, 0.0f);
}

float OrdinateAt(float airTemp, float humidity)
{
    return SolveNomograph({airTemp, humidity, 70.0f, 5.0f}).RHOrdinate;
}

TEST(CalculationRun, HumidityAndConcreteBracketsJoinTheCurvesAndTheTabulatedSlopes)
{
    for (float airTemp : {40.0f, 63.7f, 80.0f, 100.0f})
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(OrdinateAt(airTemp, 10.0f * k), HumidityCurves[k - 1](airTemp)) << k * 10 << " % at " << airTemp;
    EXPECT_EQ(OrdinateAt(85.0f, 0.0f), 0.0f);
    // Below 10 % the line y = 0 is the lower curve; just below a bound is the bracket below.
    EXPECT_EQ(OrdinateAt(70.0f, 5.0f), Interpolate(0.0f, 10.0f, 0.0f, CurveRH10(70.0f), 5.0f));
    EXPECT_EQ(OrdinateAt(75.0f, 49.99f), Interpolate(40.0f, 50.0f, CurveRH40(75.0f), CurveRH50(75.0f), 49.99f));

    const auto& slopes = ConcTempSlopeTable;
    for (std::size_t i = 0; i < slopes.size(); ++i) {
        const float concrete = 40.0f + 10.0f * static_cast<float>(i);
        EXPECT_EQ(SolveNomograph({70.0f, 50.0f, concrete, 5.0f}).slopeConcTemp, slopes[i]) << concrete << " F";
    }
    EXPECT_EQ(SolveNomograph({70.0f, 50.0f, 85.0f, 5.0f}).slopeConcTemp,
              Interpolate(80.0f, 90.0f, slopes[4], slopes[5], 85.0f));
}

TEST(CalculationRun, OutsideTheChartKeepsTheLastOrdinateAndSlope)
{
    NomographSolution last;
    last.RHOrdinate = 1.25f;
    last.slopeConcTemp = -1.15f;
    const NomographSolution s = SolveNomograph({70.0f, 100.5f, 120.0f, 5.0f}, last);
    EXPECT_EQ(s.RHOrdinate, 1.25f);
    EXPECT_EQ(s.slopeConcTemp, -1.15f);
}

TEST(CalculationRun, ThresholdsClassifyTheDisplayedRate)
{
    constexpr auto kDefault = ThresholdChoice::Default;
    constexpr auto kAlternate = ThresholdChoice::Alternate;
    const struct { const char *caption; ThresholdChoice choice; const char *threshold, *answer; bool red; } cases[] = {
        {"0.000", kDefault, "0.2", kOk, false},       {"0.100", kDefault, "0.2", kOk, false},
        {"0.101", kDefault, "0.2", kMay, false},      {"0.200", kDefault, "0.2", kMay, false},
        {"0.201", kDefault, "0.2", kShall, true},     {"0.150", kDefault, "0.01", kMay, false},
        {"0.000", kAlternate, "0.15", kMay, false},   {"0.150", kAlternate, "0.15", kMay, false},
        {"0.151", kAlternate, "0.15", kShall, true},  {"0.150", kAlternate, ".15", kMay, false},
        {"0.001", kAlternate, "abc", kShall, true},   {"0.000", kAlternate, "", kMay, false},
    };
    for (const auto& c : cases) {
        const PrecautionMessage message = ClassifyRate(c.caption, c.choice, c.threshold);
        EXPECT_EQ(message.text, c.answer) << c.caption << " against " << c.threshold;
        EXPECT_EQ(message.red(), c.red) << c.caption << " against " << c.threshold;
    }
    // An unrounded equation rate just above 0.1 shows as 0.100 and classifies as shown.
    // The concrete temperature is solved from the equation at 70 F air, 50 %, wind 0.
    const double concrete = std::pow(0.10049 / 1e-6 + 0.5 * std::pow(70.0, 2.5), 1.0 / 2.5);
    const RunCaptions run = RunDefault({70.0f, 50.0f, static_cast<float>(concrete), 0.0f});
    ASSERT_GT(run.solution.RateACI, 0.1f);
    EXPECT_EQ(run.eqnCaption, "0.100");
    EXPECT_EQ(run.answer.text, kOk);
}

}  // namespace
