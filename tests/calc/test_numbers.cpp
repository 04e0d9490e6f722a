#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/ScrollBarValue.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Reading, ReadsTheLeadingNumber)
{
    // numeric: the whole text is one number
    const struct { std::string text; double value; bool numeric; } cases[] = {
        // plain decimals, correctly rounded like the decimal literal
        {"12", 12, true}, {"72.5", 72.5, true}, {".5", 0.5, true}, {"5.", 5, true}, {"0.1", 0.1, true},
        {"007", 7, true}, {"100.000001", 100.000001, true}, {"0.10049", 0.10049, true}, {"0.241", 0.241, true},
        {"0.15", 0.15, true}, {"3.141592653589793238462643383279", 3.141592653589793, true},
        {"1.7976931348623157e308", 1.7976931348623157e308, true}, {"4.9e-324", 4.9e-324, true},
        // signs
        {"-5", -5, true}, {"+5", 5, true}, {" - 5", -5, true}, {"--5", 0, false}, {"-", 0, false},
        {"+.", 0, false},
        // blanks, tabs and line feeds anywhere
        {"1 2", 12, true}, {"\t3\n4 ", 34, true}, {"  ", 0, false}, {"1 . 5 e 2", 150, true},
        {"1\r2", 1, false},
        // stops at the first character that cannot continue the number
        {"12abc", 12, false}, {"abc", 0, false}, {"1.2.3", 1.2, false}, {"", 0, false}, {".", 0, false},
        {"1,5", 1, false}, {"$5", 0, false}, {std::string("4\0" "2", 3), 4, false}, {"7\xC2\xB0", 7, false},
        // exponents with E or D, either case
        {"1e3", 1000, true}, {"1E3", 1000, true}, {"1d3", 1000, true}, {"1D-2", 0.01, true},
        {"2.5e+1", 25, true}, {".5E1", 5, true}, {"1e", 1, false}, {"1e+", 1, false}, {"1e-x", 1, false},
        {"e5", 0, false}, {"1e2.5", 100, false},
        // overflow and underflow
        {"1e999", kInf, true}, {"-1e999", -kInf, true}, {"1e-999", 0, true}, {"0.0001e-320", 0, true},
        {"1e99999999999999999999", kInf, true}, {"0e999", 0, true},
        // hexadecimal and octal integers: 16-bit, then 32-bit two's complement, then the magnitude
        {"&H10", 16, true}, {"&hff", 255, true}, {"&HFFFF", -1, true}, {"&H8000", -32768, true},
        {"&H7FFF", 32767, true}, {"&H10000", 65536, true}, {"&HFFFFFFFF", -1, true},
        {"&H80000000", -2147483648.0, true}, {"&H100000000", 4294967296.0, true}, {"&H0000FFFF", -1, true},
        {"&H 1 F", 31, true}, {"&H1G", 1, false}, {"&O17", 15, true}, {"&o177777", -1, true},
        {"&O8", 0, false}, {"&H", 0, false}, {"&", 0, false}, {"&X1", 0, false}, {"-&H1", 0, false},
        // very long texts
        {std::string(100000, '0') + "12", 12, true}, {"0." + std::string(100000, '0') + "1", 0, true},
        {std::string(100000, '9'), kInf, true}, {"&H" + std::string(5000, 'F'), kInf, true},
        {std::string(100000, ' ') + "7", 7, true}, {"1" + std::string(400, '0'), kInf, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE('"' + c.text.substr(0, 40) + '"');
        EXPECT_EQ(ReadNumber(c.text), c.value);
        EXPECT_EQ(IsNumericText(c.text), c.numeric);
    }
}

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

TEST(ScrollBarValue, PositionForText)
{
    using namespace InputRanges;
    const struct { const char* text; InputRange range; std::optional<int> position; } cases[] = {
        {"", AirTemp, std::nullopt},        {"    ", AirTemp, std::nullopt},
        {"40", AirTemp, 40},                {"100", AirTemp, 100},
        {"39.9", AirTemp, std::nullopt},    {"100.4", AirTemp, std::nullopt},
        {"100.000001", AirTemp, 100},       // rounds to the limit in single precision
        {"40.5", AirTemp, 40},              {"41.5", AirTemp, 42},  // halves go to the even neighbour
        {"80.6", AirTemp, 81},              {"80.4", AirTemp, 80},
        {"abc", RelativeHumidity, 0},       {"abc", AirTemp, std::nullopt},  // a word reads 0
        {"12abc", WindVelocity, 12},        {"25", WindVelocity, 25},
        {"26", WindVelocity, std::nullopt}, {"1e999", WindVelocity, std::nullopt},
        {"1e39", WindVelocity, std::nullopt}, {"-0", RelativeHumidity, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrollBarValueFor(c.text, c.range), c.position) << '"' << c.text << '"';
}

}  // namespace
