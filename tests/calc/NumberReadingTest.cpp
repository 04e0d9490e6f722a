#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "calc/NumberReading.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

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

}  // namespace
