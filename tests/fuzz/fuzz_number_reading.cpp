// Number reading on any bytes: never NaN, blind to blanks, the value of the longest
// leading number, a decimal exactly as strtod reads it, &H and &O as two's complement
// integers of 16 or 32 bits where they fit.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "calc/NumberReading.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace Fuzz;

// Every prefix is tried only on texts this short: the check is quadratic.
constexpr std::size_t kPrefixCheckLength = 64;

double LongestNumericPrefixValue(std::string_view text)
{
    for (std::size_t length = text.size(); length > 0; --length)
        if (IsNumericText(text.substr(0, length)))
            return ReadNumber(text.substr(0, length));
    return 0.0;
}

void CheckDecimal(std::string packed, double value)
{
    std::replace_if(packed.begin(), packed.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    char* end = nullptr;
    const double expected = std::strtod(packed.c_str(), &end);
    Require(end == packed.c_str() + packed.size() && SameBits(value, expected),
            "a decimal number reads as the correctly rounded double",
            Quoted(packed) + " read " + Show(value) + ", strtod reads " + Show(expected));
}

// packed is "&H..." or "&O..." followed by digits only.
void CheckRadix(const std::string& packed, double value)
{
    const int radix = (packed[1] == 'h' || packed[1] == 'H') ? 16 : 8;
    const std::string detail = Quoted(packed) + " read " + Show(value);
    long double magnitude = 0.0L;  // exact as long as it matters: up to 64 bits
    for (std::size_t i = 2; i < packed.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(packed[i])));
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10;
        Require(std::isxdigit(static_cast<unsigned char>(c)) && digit < radix,
                "a whole &H or &O number has only digits of its radix", detail);
        magnitude = magnitude * radix + digit;
    }
    // Two's complement of 16 bits when it fits them, else of 32 bits when it fits those.
    const long double span = magnitude <= 0xFFFF ? 65536.0L : 4294967296.0L;
    if (magnitude < span) {
        Require(value == (magnitude >= span / 2 ? magnitude - span : magnitude),
                "an &H/&O value of 16 or 32 bits reads as a two's complement integer of that size", detail);
        return;
    }
    const long double largest = std::numeric_limits<double>::max() * (1.0L - 1e-14L);
    Require(std::fabs(value - magnitude) <= magnitude * 1e-14L || (magnitude > largest && value > largest),
            "a longer &H/&O value reads as its positive magnitude, a huge one as huge", detail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);
    const bool numeric = IsNumericText(text);
    const std::string detail = Quoted(text) + " read " + Show(value);

    Require(!std::isnan(value), "a reading is never NaN", detail);

    std::string packed = text;
    std::erase_if(packed, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    Require(SameBits(ReadNumber(packed), value) && IsNumericText(packed) == numeric,
            "blanks, tabs and line feeds are ignored wherever they stand",
            detail + ", without blanks " + Show(ReadNumber(packed)));

    const std::string stopped = text + '#';
    Require(SameBits(ReadNumber(stopped), value) && !IsNumericText(stopped),
            "reading stops at a character that cannot continue a number",
            detail + ", followed by # " + Show(ReadNumber(stopped)));

    if (text.size() <= kPrefixCheckLength) {
        const double prefixValue = LongestNumericPrefixValue(text);
        Require(SameBits(prefixValue, value), "a text reads as its longest leading number, or 0",
                detail + ", its longest number " + Show(prefixValue));
    }

    if (!numeric)
        return 0;
    if (packed.front() == '&') {
        CheckRadix(packed, value);
        return 0;
    }
    CheckDecimal(packed, value);
    if (std::isdigit(static_cast<unsigned char>(packed.front())) || packed.front() == '.') {
        const std::string negated = "-" + text;
        Require(SameBits(ReadNumber(negated), -value) && IsNumericText(negated),
                "a minus sign in front of a number negates it", Quoted(negated));
    }
    return 0;
}
