#include <cmath>
#include <limits>
#include <string>

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

struct WorkedCase {
    const char* name;
    InputSet inputs;
    const char* nomoCaption;
    const char* eqnCaption;
    const char* answer;
    bool red;
};

class WorkedCases : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedCases, ShowsTheExpectedCaptionsAndMessage)
{
    const WorkedCase& c = GetParam();
    const RunCaptions run = RunDefault(c.inputs);
    EXPECT_EQ(run.nomoCaption, c.nomoCaption);
    EXPECT_EQ(run.eqnCaption, c.eqnCaption);
    EXPECT_EQ(run.answer.text, c.answer);
    EXPECT_EQ(run.answer.red, c.red);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, WorkedCases,
    ::testing::Values(WorkedCase{"Mild70_70_70_5", {70, 70, 70, 5}, "0.039", "0.037", kOk, false},
                      WorkedCase{"Hot100_10_100_25", {100, 10, 100, 25}, "0.999", "0.990", kShall, true},
                      WorkedCase{"ColdSaturated40_100_40_0", {40, 100, 40, 0}, "0.000", "0.000", kOk, false},
                      WorkedCase{"NegativeRatesShowAsZero", {100, 100, 40, 25}, "0.000", "0.000", kOk, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationRun, ColdSaturatedAirGivesNegativeUnclampedValues)
{
    const NomographSolution s = RunDefault({40.0f, 100.0f, 40.0f, 0.0f}).solution;
    EXPECT_NEAR(s.XIntersection, -0.08, 0.005);
    EXPECT_NEAR(s.EvaporationRateNomo, -0.001, 0.0005);
    EXPECT_LT(s.EvaporationRateNomo, 0.0f);
    EXPECT_LE(s.RateACI, 0.0f);
}

TEST(HumidityBracket, EachTenthHumidityTakesThatCurveToTheLastBit)
{
    for (float airTemp : {40.0f, 63.7f, 80.0f, 100.0f}) {
        for (int k = 1; k <= 10; ++k) {
            const float humidity = 10.0f * static_cast<float>(k);
            const NomographSolution s = SolveNomograph({airTemp, humidity, 70.0f, 5.0f});
            EXPECT_EQ(s.RHOrdinate, CuringSupp::HumidityCurves[k - 1](airTemp))
                << humidity << " % at " << airTemp << " F";
        }
    }
}

TEST(HumidityBracket, ZeroHumidityGivesExactlyZero)
{
    EXPECT_EQ(SolveNomograph({85.0f, 0.0f, 70.0f, 5.0f}).RHOrdinate, 0.0f);
}

TEST(HumidityBracket, BelowTenInterpolatesFromTheZeroLine)
{
    const float curve10 = CuringSupp::CurveRH10(70.0f);
    EXPECT_EQ(SolveNomograph({70.0f, 5.0f, 70.0f, 5.0f}).RHOrdinate,
              CuringSupp::Interpolate(0.0f, 10.0f, 0.0f, curve10, 5.0f));
}

TEST(HumidityBracket, JustBelowABoundUsesTheBracketBelow)
{
    const float humidity = 49.99f;
    const float expected = CuringSupp::Interpolate(40.0f, 50.0f, CuringSupp::CurveRH40(75.0f),
                                                   CuringSupp::CurveRH50(75.0f), humidity);
    EXPECT_EQ(SolveNomograph({75.0f, humidity, 70.0f, 5.0f}).RHOrdinate, expected);
}

TEST(HumidityBracket, OutsideTheChartKeepsTheLastOrdinate)
{
    NomographSolution last;
    last.RHOrdinate = 1.25f;
    last.slopeConcTemp = -1.15f;
    const NomographSolution s = SolveNomograph({70.0f, 100.5f, 120.0f, 5.0f}, last);
    EXPECT_EQ(s.RHOrdinate, 1.25f);
    EXPECT_EQ(s.slopeConcTemp, -1.15f);
}

TEST(ConcreteBracket, TabulatedTemperaturesTakeTheirSlopeExactly)
{
    for (int i = 0; i < 7; ++i) {
        const float concrete = 40.0f + 10.0f * static_cast<float>(i);
        EXPECT_EQ(SolveNomograph({70.0f, 50.0f, concrete, 5.0f}).slopeConcTemp,
                  CuringSupp::ConcTempSlopeTable[i])
            << concrete << " F";
    }
    EXPECT_EQ(SolveNomograph({70.0f, 50.0f, 100.0f, 5.0f}).slopeConcTemp, -1.123662263f);
}

TEST(ConcreteBracket, BetweenTabulatedTemperaturesInterpolates)
{
    const auto& slopes = CuringSupp::ConcTempSlopeTable;
    EXPECT_EQ(SolveNomograph({70.0f, 50.0f, 85.0f, 5.0f}).slopeConcTemp,
              CuringSupp::Interpolate(80.0f, 90.0f, slopes[4], slopes[5], 85.0f));
}

struct ThresholdCase {
    const char* name;
    const char* caption;
    ThresholdChoice choice;
    const char* thresholdText;
    const char* answer;
    bool red;
};

class Thresholds : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(Thresholds, ClassifyTheDisplayedRate)
{
    const ThresholdCase& c = GetParam();
    const PrecautionMessage message = ClassifyRate(c.caption, c.choice, c.thresholdText);
    EXPECT_EQ(message.text, c.answer);
    EXPECT_EQ(message.red, c.red);
}

constexpr auto kDefault = ThresholdChoice::Default;
constexpr auto kAlternate = ThresholdChoice::Alternate;

INSTANTIATE_TEST_SUITE_P(
    Edges, Thresholds,
    ::testing::Values(ThresholdCase{"Default0_000", "0.000", kDefault, "0.2", kOk, false},
                      ThresholdCase{"Default0_100", "0.100", kDefault, "0.2", kOk, false},
                      ThresholdCase{"Default0_101", "0.101", kDefault, "0.2", kMay, false},
                      ThresholdCase{"Default0_200", "0.200", kDefault, "0.2", kMay, false},
                      ThresholdCase{"Default0_201", "0.201", kDefault, "0.2", kShall, true},
                      ThresholdCase{"DefaultIgnoresThresholdText", "0.150", kDefault, "0.01", kMay, false},
                      ThresholdCase{"Alternate0_000", "0.000", kAlternate, "0.15", kMay, false},
                      ThresholdCase{"Alternate0_150", "0.150", kAlternate, "0.15", kMay, false},
                      ThresholdCase{"Alternate0_151", "0.151", kAlternate, "0.15", kShall, true},
                      ThresholdCase{"AlternateLeadingPoint", "0.150", kAlternate, ".15", kMay, false},
                      ThresholdCase{"AlternateNonNumericReadsZero", "0.001", kAlternate, "abc", kShall, true},
                      ThresholdCase{"AlternateEmptyAtZero", "0.000", kAlternate, "", kMay, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Inputs that give an equation rate of about `rate` at 70 F air, 50 %, wind 0:
// the concrete temperature is solved from the equation.
InputSet InputsForRate(double rate)
{
    const double airPart = 0.5 * std::pow(70.0, 2.5);
    const double concrete = std::pow(rate / 1e-6 + airPart, 1.0 / 2.5);
    return {70.0f, 50.0f, static_cast<float>(concrete), 0.0f};
}

TEST(Thresholds, AnUnroundedRateJustAboveTheThresholdShowsAndClassifiesAsDisplayed)
{
    const RunCaptions run = RunDefault(InputsForRate(0.10049));
    ASSERT_GT(run.solution.RateACI, 0.1f);
    EXPECT_EQ(run.eqnCaption, "0.100");
    EXPECT_EQ(run.answer.text, kOk);
}

// GoodInputs

const InputSet kPrevious{55.0f, 44.0f, 66.0f, 3.0f};

void ExpectSameInputs(const InputSet& actual, const InputSet& expected)
{
    EXPECT_EQ(actual.AirTemp, expected.AirTemp);
    EXPECT_EQ(actual.RelativeHumidity, expected.RelativeHumidity);
    EXPECT_EQ(actual.ConcreteTemp, expected.ConcreteTemp);
    EXPECT_EQ(actual.WindVelocity, expected.WindVelocity);
}

struct ValidationCase {
    const char* name;
    InputTexts texts;
    bool valid;
    InputSet stored;
};

class Validation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(Validation, ReadsAndChecksTheFourBoxes)
{
    const ValidationCase& c = GetParam();
    InputSet values = kPrevious;
    EXPECT_EQ(GoodInputs(c.texts, values), c.valid);
    ExpectSameInputs(values, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Validation,
    ::testing::Values(
        ValidationCase{"AllLowerLimits", {"40", "0", "40", "0"}, true, {40, 0, 40, 0}},
        ValidationCase{"AllUpperLimits", {"100", "100", "100", "25"}, true, {100, 100, 100, 25}},
        ValidationCase{"AirJustAbove", {"100.0001", "50", "70", "5"}, false, {100.0001f, 50, 70, 5}},
        ValidationCase{"ConcreteJustAbove", {"70", "50", "100.0001", "5"}, false, {70, 50, 100.0001f, 5}},
        ValidationCase{"WindJustAbove", {"70", "50", "70", "25.01"}, false, {70, 50, 70, 25.01f}},
        ValidationCase{"RoundsToLimitInSingle", {"100.000001", "50", "100.000001", "5"}, true, {100, 50, 100, 5}},
        ValidationCase{"AirBelowLimit", {"39.9", "50", "70", "5"}, false, {39.9f, 50, 70, 5}},
        ValidationCase{"NegativeHumidity", {"70", "-1", "70", "5"}, false, {70, -1, 70, 5}},
        ValidationCase{"SpacesAroundNumbers", {"  70 ", " 50", "70  ", " 5 "}, true, {70, 50, 70, 5}},
        ValidationCase{"SpacesOnlyIsEmpty", {"70", "   ", "70", "5"}, false, kPrevious},
        ValidationCase{"EmptyBox", {"70", "50", "70", ""}, false, kPrevious},
        ValidationCase{"WordInHumidityReadsZero", {"70", "abc", "70", "5"}, true, {70, 0, 70, 5}},
        ValidationCase{"WordInWindReadsZero", {"70", "50", "70", "calm"}, true, {70, 50, 70, 0}},
        ValidationCase{"WordInAirIsInvalid", {"warm", "50", "70", "5"}, false, {0, 50, 70, 5}},
        ValidationCase{"WordInConcreteIsInvalid", {"70", "50", "cool", "5"}, false, {70, 50, 0, 5}},
        ValidationCase{"OutOfRangeStillStored", {"70", "50", "70", "30"}, false, {70, 50, 70, 30}},
        ValidationCase{"OverflowIsOutOfRange", {"70", "1e999", "70", "5"}, false,
                       {70, std::numeric_limits<float>::infinity(), 70, 5}},
        ValidationCase{"TooLargeForSingle", {"70", "50", "1e39", "5"}, false,
                       {70, 50, std::numeric_limits<float>::infinity(), 5}},
        ValidationCase{"LeadingNumberOfText", {"80F", "50%", "70 F", "5mph"}, true, {80, 50, 70, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
