#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/NumberWriting.h"
#include "tests/calc/CalcTestSupport.h"

namespace {

using Format = std::function<std::string(double)>;

struct WritingCase {
    const char* label;
    Format format;
    double value;
    std::string expected;
};

class Writing : public ::testing::TestWithParam<WritingCase> {};

TEST_P(Writing, WritesTheFormat)
{
    const WritingCase& c = GetParam();
    EXPECT_EQ(c.format(c.value), c.expected) << c.label << " of " << c.value;
}

const Format kRate = NumberFormat::Rate;
const Format kScenario = NumberFormat::ScenarioValue;
const Format kOneDecimal = NumberFormat::OneDecimal;
const Format kTwoDigits = NumberFormat::TwoDigits;
const Format kDigits = NumberFormat::Digits;
const Format kWhole = NumberFormat::WholeNumber;
const Format kCompact = NumberFormat::Compact;
const Format kGeneralSingle = [](double v) { return NumberFormat::General(static_cast<float>(v)); };
const Format kGeneralDouble = [](double v) { return NumberFormat::General(v); };

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Formats, Writing,
    ::testing::Values(
        WritingCase{"Rate", kRate, 0.24144, "0.241"}, WritingCase{"Rate", kRate, 0.0, "0.000"},
        WritingCase{"Rate", kRate, 0.10049, "0.100"}, WritingCase{"Rate", kRate, 0.2005, "0.201"},
        WritingCase{"Rate", kRate, 0.9995001, "1.000"}, WritingCase{"Rate", kRate, 12.5, "12.500"},
        WritingCase{"Rate", kRate, -0.0004, "0.000"}, WritingCase{"Rate", kRate, -0.0, "0.000"},
        WritingCase{"Rate", kRate, -1.5, "-1.500"},
        WritingCase{"Scenario", kScenario, -143.86, "-143.9"}, WritingCase{"Scenario", kScenario, 70.66, "70.7"},
        WritingCase{"Scenario", kScenario, 100.04, "100.0"}, WritingCase{"Scenario", kScenario, 0.04, "0.0"},
        WritingCase{"Scenario", kScenario, -0.04, "0.0"}, WritingCase{"Scenario", kScenario, 5, "5.0"},
        WritingCase{"Scenario", kScenario, 1e20, "100000000000000000000.0"},
        WritingCase{"OneDecimal", kOneDecimal, 0.6, "0.6"}, WritingCase{"OneDecimal", kOneDecimal, 1, "1.0"},
        WritingCase{"TwoDigits", kTwoDigits, 5, "05"}, WritingCase{"TwoDigits", kTwoDigits, 40, "40"},
        WritingCase{"TwoDigits", kTwoDigits, 100, "100"}, WritingCase{"TwoDigits", kTwoDigits, 0, "00"},
        WritingCase{"TwoDigits", kTwoDigits, -3, "-03"},
        WritingCase{"Digits", kDigits, 0, ""}, WritingCase{"Digits", kDigits, 0.4, ""},
        WritingCase{"Digits", kDigits, 8, "8"}, WritingCase{"Digits", kDigits, 7.6, "8"},
        WritingCase{"Digits", kDigits, -2, "-2"},
        WritingCase{"Whole", kWhole, 0, "0"}, WritingCase{"Whole", kWhole, 25, "25"},
        WritingCase{"Whole", kWhole, -0.3, "0"},
        WritingCase{"Compact", kCompact, 0.05, ".05"}, WritingCase{"Compact", kCompact, 0.2, ".2"},
        WritingCase{"Compact", kCompact, 1, "1."}, WritingCase{"Compact", kCompact, 0.12345, ".123"},
        WritingCase{"Compact", kCompact, -0.05, "-.05"}, WritingCase{"Compact", kCompact, 12.5, "12.5"},
        WritingCase{"Compact", kCompact, 0.9996, "1."}, WritingCase{"Compact", kCompact, 0.15, ".15"},
        WritingCase{"Compact", kCompact, 0, "."}, WritingCase{"Compact", kCompact, -0.0001, "."},
        WritingCase{"Compact", kCompact, 10, "10."},
        WritingCase{"GeneralSingle", kGeneralSingle, 70, "70"},
        WritingCase{"GeneralSingle", kGeneralSingle, 72.5, "72.5"},
        WritingCase{"GeneralSingle", kGeneralSingle, 80.6, "80.6"},
        WritingCase{"GeneralSingle", kGeneralSingle, 0.1, "0.1"},
        WritingCase{"GeneralSingle", kGeneralSingle, 0, "0"},
        WritingCase{"GeneralSingle", kGeneralSingle, -0.0, "0"},
        WritingCase{"GeneralSingle", kGeneralSingle, -12.25, "-12.25"},
        WritingCase{"GeneralSingle", kGeneralSingle, 100.000001, "100"},
        WritingCase{"GeneralSingle", kGeneralSingle, 1.0 / 3, "0.3333333"},
        WritingCase{"GeneralSingle", kGeneralSingle, 9999999, "9999999"},
        WritingCase{"GeneralSingle", kGeneralSingle, 1e7, "1E+07"},
        WritingCase{"GeneralSingle", kGeneralSingle, 12345678, "1.234568E+07"},
        WritingCase{"GeneralSingle", kGeneralSingle, 0.0001, "0.0001"},
        WritingCase{"GeneralSingle", kGeneralSingle, 1e-5, "1E-05"},
        WritingCase{"GeneralDouble", kGeneralDouble, 0.15, "0.15"},
        WritingCase{"GeneralDouble", kGeneralDouble, 0.05, "0.05"},
        WritingCase{"GeneralDouble", kGeneralDouble, 0.2, "0.2"},
        WritingCase{"GeneralDouble", kGeneralDouble, 0.1 + 0.2, "0.3"},
        WritingCase{"GeneralDouble", kGeneralDouble, 123456789012345, "123456789012345"},
        WritingCase{"GeneralDouble", kGeneralDouble, 1e15, "1E+15"},
        WritingCase{"GeneralDouble", kGeneralDouble, -1e300, "-1E+300"},
        WritingCase{"GeneralDouble", kGeneralDouble, 1e-5, "1E-05"},
        WritingCase{"RateInfinity", kRate, kInf, "Infinity"},
        WritingCase{"ScenarioNegativeInfinity", kScenario, -kInf, "-Infinity"},
        WritingCase{"CompactNaN", kCompact, std::numeric_limits<double>::quiet_NaN(), "NaN"},
        WritingCase{"GeneralInfinity", kGeneralDouble, kInf, "Infinity"},
        WritingCase{"DigitsNaN", kDigits, std::numeric_limits<double>::quiet_NaN(), "NaN"}),
    [](const auto& info) { return "row" + std::to_string(info.index) + "_" + info.param.label; });

TEST(Writing, WidestDoubleFitsTheFixedFormats)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(NumberFormat::Rate(largest).size(), 309u + 4u);
    EXPECT_EQ(NumberFormat::ScenarioValue(-largest).size(), 1u + 309u + 2u);
}

struct CompactTextCase {
    std::string text;
    std::string expected;
};

class CompactTexts : public ::testing::TestWithParam<CompactTextCase> {};

TEST_P(CompactTexts, NumericTextIsWrittenCompactOtherTextStays)
{
    EXPECT_EQ(NumberFormat::CompactText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CompactTexts,
    ::testing::Values(CompactTextCase{"0.05", ".05"}, CompactTextCase{"0.2", ".2"}, CompactTextCase{"1", "1."},
                      CompactTextCase{".15", ".15"}, CompactTextCase{"0.12345", ".123"},
                      CompactTextCase{" 0.05 ", ".05"}, CompactTextCase{"5e-2", ".05"},
                      CompactTextCase{"abc", "abc"}, CompactTextCase{"", ""}, CompactTextCase{"0.05x", "0.05x"},
                      CompactTextCase{"1e", "1e"}, CompactTextCase{"-.05", "-.05"}),
    [](const auto& info) { return "row" + std::to_string(info.index) + "_" + RowName(info.param.text); });

}  // namespace
