#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "calc/CuringSupp.h"
#include "calc/NomographRun.h"
#include "tests/calc/CalcTestSupport.h"

namespace {

constexpr const char* kOk = "OK";
constexpr const char* kMay = "Measures may be needed.";
constexpr const char* kShall = "Measures shall be taken.";

RunCaptions RunDefault(InputSet inputs)
{
    return CalculateRun(inputs, ThresholdChoice::Default, "0.2");
}

TEST(CalculationRun, ReferenceCaseGivesEveryNamedValue)
{
    const RunCaptions run = RunDefault({80.0f, 50.0f, 90.0f, 10.0f});
    const NomographSolution& s = run.solution;
    EXPECT_EQ(s.RHOrdinate, CuringSupp::CurveRH50(80.0f));
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
    EXPECT_TRUE(run.answer.red);
}

TEST(CalculationRun, WorkedCasesShowTheirCaptionsAndMessage)
{
    const struct {
        InputSet inputs;
        const char* nomoCaption;
        const char* eqnCaption;
        const char* answer;
        bool red;
    } cases[] = {
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
        EXPECT_EQ(run.answer.red, c.red);
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

TEST(CalculationRun, HumidityBracketsJoinTheCurves)
{
    using namespace CuringSupp;
    for (float airTemp : {40.0f, 63.7f, 80.0f, 100.0f})
        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ(OrdinateAt(airTemp, 10.0f * k), HumidityCurves[k - 1](airTemp)) << k * 10 << " % at " << airTemp;
    EXPECT_EQ(OrdinateAt(85.0f, 0.0f), 0.0f);
    // Below 10 % the line y = 0 is the lower curve; just below a bound is the bracket below.
    EXPECT_EQ(OrdinateAt(70.0f, 5.0f), Interpolate(0.0f, 10.0f, 0.0f, CurveRH10(70.0f), 5.0f));
    EXPECT_EQ(OrdinateAt(75.0f, 49.99f), Interpolate(40.0f, 50.0f, CurveRH40(75.0f), CurveRH50(75.0f), 49.99f));
}

TEST(CalculationRun, ConcreteBracketsJoinTheTabulatedSlopes)
{
    const auto& slopes = CuringSupp::ConcTempSlopeTable;
    for (std::size_t i = 0; i < slopes.size(); ++i) {
        const float concrete = 40.0f + 10.0f * static_cast<float>(i);
        EXPECT_EQ(SolveNomograph({70.0f, 50.0f, concrete, 5.0f}).slopeConcTemp, slopes[i]) << concrete << " F";
    }
    EXPECT_EQ(SolveNomograph({70.0f, 50.0f, 85.0f, 5.0f}).slopeConcTemp,
              CuringSupp::Interpolate(80.0f, 90.0f, slopes[4], slopes[5], 85.0f));
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
    const struct {
        const char* caption;
        ThresholdChoice choice;
        const char* thresholdText;
        const char* answer;
        bool red;
    } cases[] = {
        {"0.000", kDefault, "0.2", kOk, false},       {"0.100", kDefault, "0.2", kOk, false},
        {"0.101", kDefault, "0.2", kMay, false},      {"0.200", kDefault, "0.2", kMay, false},
        {"0.201", kDefault, "0.2", kShall, true},     {"0.150", kDefault, "0.01", kMay, false},
        {"0.000", kAlternate, "0.15", kMay, false},   {"0.150", kAlternate, "0.15", kMay, false},
        {"0.151", kAlternate, "0.15", kShall, true},  {"0.150", kAlternate, ".15", kMay, false},
        {"0.001", kAlternate, "abc", kShall, true},   {"0.000", kAlternate, "", kMay, false},
    };
    for (const auto& c : cases) {
        const PrecautionMessage message = ClassifyRate(c.caption, c.choice, c.thresholdText);
        EXPECT_EQ(message.text, c.answer) << c.caption << " against " << c.thresholdText;
        EXPECT_EQ(message.red, c.red) << c.caption << " against " << c.thresholdText;
    }

    // An unrounded equation rate just above 0.1 shows as 0.100 and classifies as shown.
    // The concrete temperature is solved from the equation at 70 F air, 50 %, wind 0.
    const double concrete = std::pow(0.10049 / 1e-6 + 0.5 * std::pow(70.0, 2.5), 1.0 / 2.5);
    const RunCaptions run = RunDefault({70.0f, 50.0f, static_cast<float>(concrete), 0.0f});
    ASSERT_GT(run.solution.RateACI, 0.1f);
    EXPECT_EQ(run.eqnCaption, "0.100");
    EXPECT_EQ(run.answer.text, kOk);
}

TEST(CalculationRun, GoodInputsReadsAndChecksTheFourBoxes)
{
    const InputSet previous{55.0f, 44.0f, 66.0f, 3.0f};
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        InputTexts texts;
        bool valid;
        InputSet stored;
    } cases[] = {
        {{"40", "0", "40", "0"}, true, {40, 0, 40, 0}},
        {{"100", "100", "100", "25"}, true, {100, 100, 100, 25}},
        {{"100.0001", "50", "70", "5"}, false, {100.0001f, 50, 70, 5}},
        {{"70", "50", "100.0001", "5"}, false, {70, 50, 100.0001f, 5}},
        {{"70", "50", "70", "25.01"}, false, {70, 50, 70, 25.01f}},
        {{"100.000001", "50", "100.000001", "5"}, true, {100, 50, 100, 5}},  // rounds to the limit
        {{"39.9", "50", "70", "5"}, false, {39.9f, 50, 70, 5}},
        {{"70", "-1", "70", "5"}, false, {70, -1, 70, 5}},
        {{"  70 ", " 50", "70  ", " 5 "}, true, {70, 50, 70, 5}},
        {{"70", "   ", "70", "5"}, false, previous},  // spaces only is empty
        {{"70", "50", "70", ""}, false, previous},
        {{"70", "abc", "70", "5"}, true, {70, 0, 70, 5}},  // a word reads 0
        {{"warm", "50", "70", "5"}, false, {0, 50, 70, 5}},
        {{"70", "50", "cool", "5"}, false, {70, 50, 0, 5}},
        {{"70", "50", "70", "30"}, false, {70, 50, 70, 30}},  // out of range is still stored
        {{"70", "1e999", "70", "5"}, false, {70, inf, 70, 5}},
        {{"70", "50", "1e39", "5"}, false, {70, 50, inf, 5}},  // too large for a single
        {{"80F", "50%", "70 F", "5mph"}, true, {80, 50, 70, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts[0] + "|" + c.texts[1] + "|" + c.texts[2] + "|" + c.texts[3]);
        InputSet values = previous;
        EXPECT_EQ(GoodInputs(c.texts, values), c.valid);
        EXPECT_EQ(values.AirTemp, c.stored.AirTemp);
        EXPECT_EQ(values.RelativeHumidity, c.stored.RelativeHumidity);
        EXPECT_EQ(values.ConcreteTemp, c.stored.ConcreteTemp);
        EXPECT_EQ(values.WindVelocity, c.stored.WindVelocity);
    }
}

}  // namespace
