#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calc/NumberWriting.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Writing, EachFormatWritesItsShape)
{
    const struct {
        const char* name;
        std::string (*format)(double);
        std::vector<std::pair<double, std::string>> cases;
    } formats[] = {
        {"#0.000", NumberFormat::Rate,
         {{0.24144, "0.241"}, {0.0, "0.000"}, {0.10049, "0.100"}, {0.2005, "0.201"}, {0.9995001, "1.000"},
          {12.5, "12.500"}, {-0.0004, "0.000"}, {-0.0, "0.000"}, {-1.5, "-1.500"}, {kInf, "Infinity"}}},
        {"#0.0", NumberFormat::ScenarioValue,
         {{-143.86, "-143.9"}, {70.66, "70.7"}, {100.04, "100.0"}, {0.04, "0.0"}, {-0.04, "0.0"}, {5, "5.0"},
          {1e20, "100000000000000000000.0"}, {-kInf, "-Infinity"}}},
        {"0.0", NumberFormat::OneDecimal, {{0.6, "0.6"}, {1, "1.0"}}},
        {"00", NumberFormat::TwoDigits, {{5, "05"}, {40, "40"}, {100, "100"}, {0, "00"}, {-3, "-03"}}},
        {"#", NumberFormat::Digits, {{0, ""}, {0.4, ""}, {8, "8"}, {7.6, "8"}, {-2, "-2"}, {kNaN, "NaN"}}},
        {"#0", NumberFormat::WholeNumber, {{0, "0"}, {25, "25"}, {-0.3, "0"}}},
        {"#.###", NumberFormat::Compact,
         {{0.05, ".05"}, {0.2, ".2"}, {1, "1."}, {0.12345, ".123"}, {-0.05, "-.05"}, {12.5, "12.5"},
          {0.9996, "1."}, {0.15, ".15"}, {0, "."}, {-0.0001, "."}, {10, "10."}, {kNaN, "NaN"}}},
        {"general single", [](double v) { return NumberFormat::General(static_cast<float>(v)); },
         {{70, "70"}, {72.5, "72.5"}, {80.6, "80.6"}, {0.1, "0.1"}, {0, "0"}, {-0.0, "0"}, {-12.25, "-12.25"},
          {100.000001, "100"}, {1.0 / 3, "0.3333333"}, {9999999, "9999999"}, {1e7, "1E+07"},
          {12345678, "1.234568E+07"}, {0.0001, "0.0001"}, {1e-5, "1E-05"}}},
        {"general double", [](double v) { return NumberFormat::General(v); },
         {{0.15, "0.15"}, {0.05, "0.05"}, {0.2, "0.2"}, {0.1 + 0.2, "0.3"}, {123456789012345, "123456789012345"},
          {1e15, "1E+15"}, {-1e300, "-1E+300"}, {1e-5, "1E-05"}, {kInf, "Infinity"}}},
    };
    for (const auto& format : formats)
        for (const auto& [value, expected] : format.cases)
            EXPECT_EQ(format.format(value), expected) << format.name << " of " << value;

    // The widest double fits the fixed formats.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(NumberFormat::Rate(largest).size(), 309u + 4u);
    EXPECT_EQ(NumberFormat::ScenarioValue(-largest).size(), 1u + 309u + 2u);
}

TEST(Writing, CompactTextWritesNumericTextCompactAndLeavesOtherText)
{
    const std::pair<std::string, std::string> cases[] = {
        {"0.05", ".05"}, {"0.2", ".2"},   {"1", "1."},         {".15", ".15"}, {"0.12345", ".123"},
        {" 0.05 ", ".05"}, {"5e-2", ".05"}, {"abc", "abc"},   {"", ""},       {"0.05x", "0.05x"},
        {"1e", "1e"},     {"-.05", "-.05"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(NumberFormat::CompactText(text), expected) << '"' << text << '"';
}

}  // namespace
