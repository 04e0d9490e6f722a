#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/NumberReading.h"
#include "tests/calc/CalcTestSupport.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReadingCase {
    std::string text;
    double value;
    bool numeric;  // the whole text is one number
};

class Reading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(Reading, ReadsTheLeadingNumber)
{
    const ReadingCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Reading,
    ::testing::Values(
        // plain decimals
        ReadingCase{"12", 12, true}, ReadingCase{"72.5", 72.5, true}, ReadingCase{".5", 0.5, true},
        ReadingCase{"5.", 5, true}, ReadingCase{"0.1", 0.1, true}, ReadingCase{"007", 7, true},
        ReadingCase{"100.000001", 100.000001, true}, ReadingCase{"0.10049", 0.10049, true},
        // signs
        ReadingCase{"-5", -5, true}, ReadingCase{"+5", 5, true}, ReadingCase{" - 5", -5, true},
        ReadingCase{"--5", 0, false}, ReadingCase{"-", 0, false}, ReadingCase{"+.", 0, false},
        // blanks, tabs and line feeds anywhere
        ReadingCase{"1 2", 12, true}, ReadingCase{"\t3\n4 ", 34, true}, ReadingCase{"  ", 0, false},
        ReadingCase{"1 . 5 e 2", 150, true}, ReadingCase{"1\r2", 1, false},
        // stops at the first character that cannot continue the number
        ReadingCase{"12abc", 12, false}, ReadingCase{"abc", 0, false}, ReadingCase{"1.2.3", 1.2, false},
        ReadingCase{"", 0, false}, ReadingCase{".", 0, false}, ReadingCase{"1,5", 1, false},
        ReadingCase{"$5", 0, false}, ReadingCase{std::string("4\0" "2", 3), 4, false},
        ReadingCase{"7\xC2\xB0", 7, false},
        // exponents with E or D, either case
        ReadingCase{"1e3", 1000, true}, ReadingCase{"1E3", 1000, true}, ReadingCase{"1d3", 1000, true},
        ReadingCase{"1D-2", 0.01, true}, ReadingCase{"2.5e+1", 25, true}, ReadingCase{".5E1", 5, true},
        ReadingCase{"1e", 1, false}, ReadingCase{"1e+", 1, false}, ReadingCase{"1e-x", 1, false},
        ReadingCase{"e5", 0, false}, ReadingCase{"1e2.5", 100, false},
        // overflow and underflow
        ReadingCase{"1e999", kInf, true}, ReadingCase{"-1e999", -kInf, true},
        ReadingCase{"1e-999", 0, true}, ReadingCase{"0.0001e-320", 0, true},
        ReadingCase{"1e99999999999999999999", kInf, true}, ReadingCase{"0e999", 0, true},
        // hexadecimal and octal integers
        ReadingCase{"&H10", 16, true}, ReadingCase{"&hff", 255, true}, ReadingCase{"&HFFFF", -1, true},
        ReadingCase{"&H8000", -32768, true}, ReadingCase{"&H7FFF", 32767, true},
        ReadingCase{"&H10000", 65536, true}, ReadingCase{"&HFFFFFFFF", -1, true},
        ReadingCase{"&H80000000", -2147483648.0, true}, ReadingCase{"&H100000000", 4294967296.0, true},
        ReadingCase{"&H0000FFFF", -1, true}, ReadingCase{"&H 1 F", 31, true}, ReadingCase{"&H1G", 1, false},
        ReadingCase{"&O17", 15, true}, ReadingCase{"&o177777", -1, true}, ReadingCase{"&O8", 0, false},
        ReadingCase{"&H", 0, false}, ReadingCase{"&", 0, false}, ReadingCase{"&X1", 0, false},
        ReadingCase{"-&H1", 0, false}),
    [](const auto& info) { return "row" + std::to_string(info.index) + "_" + RowName(info.param.text); });

TEST(Reading, IsCorrectlyRoundedLikeTheDecimalLiteral)
{
    EXPECT_EQ(ReadNumber("0.241"), 0.241);
    EXPECT_EQ(ReadNumber("0.15"), 0.15);
    EXPECT_EQ(ReadNumber("3.141592653589793238462643383279"), 3.141592653589793);
    EXPECT_EQ(ReadNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(ReadNumber("4.9e-324"), 4.9e-324);
}

TEST(Reading, ToleratesVeryLongTexts)
{
    EXPECT_EQ(ReadNumber(std::string(100000, '0') + "12"), 12);
    EXPECT_EQ(ReadNumber("0." + std::string(100000, '0') + "1"), 0);
    EXPECT_EQ(ReadNumber(std::string(100000, '9')), kInf);
    EXPECT_EQ(ReadNumber("&H" + std::string(5000, 'F')), kInf);
    EXPECT_EQ(ReadNumber(std::string(100000, ' ') + "7"), 7);
    EXPECT_TRUE(IsNumericText("1" + std::string(400, '0')));
}

TEST(Reading, NeverFailsOnAnySingleByteOrPair)
{
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; second += 17) {
            const std::string text{static_cast<char>(first), static_cast<char>(second)};
            const double value = ReadNumber(text);
            EXPECT_FALSE(std::isnan(value));
            if (IsNumericText(text)) {
                EXPECT_EQ(ReadNumber(text + " "), value);
            }
        }
    }
}

}  // namespace
