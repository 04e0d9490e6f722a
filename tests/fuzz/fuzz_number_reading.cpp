// Number reading on any bytes. Beyond not crashing, each text must read as:
// - never NaN, and the same with its blanks, tabs and line feeds removed;
// - the value of its longest leading part that is a whole number, or 0 when none is
//   (checked by trying every prefix of short texts), so a character that cannot
//   continue a number changes nothing;
// - for a whole decimal number, exactly what the C library's strtod reads (both are
//   correctly rounded), and its negation when a minus sign is put in front;
// - for a whole &H or &O number, the 16-bit or 32-bit two's complement value when it
//   fits, its magnitude otherwise.

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

using Fuzz::Quoted;
using Fuzz::Require;
using Fuzz::SameBits;
using Fuzz::Show;

// Every prefix is tried only on texts this short: the check is quadratic.
constexpr std::size_t kPrefixCheckLength = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string WithoutBlanks(std::string_view text)
{
    std::string packed;
    for (const char c : text)
        if (!IsBlank(c))
            packed += c;
    return packed;
}

double LongestNumericPrefixValue(std::string_view text)
{
    for (std::size_t length = text.size(); length > 0; --length) {
        const std::string_view prefix = text.substr(0, length);
        if (IsNumericText(prefix))
            return ReadNumber(prefix);
    }
    return 0.0;
}

void CheckDecimal(const std::string& packed, double value)
{
    std::string cText = packed;
    for (char& c : cText)
        if (c == 'd' || c == 'D')
            c = 'e';
    char* end = nullptr;
    const double expected = std::strtod(cText.c_str(), &end);
    Require(end == cText.c_str() + cText.size(), "a whole decimal number is one number to strtod",
            [&] { return Quoted(packed); });
    Require(SameBits(value, expected), "a decimal number reads as the correctly rounded double",
            [&] { return Quoted(packed) + " read " + Show(value) + ", strtod reads " + Show(expected); });
}

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// packed is "&H..." or "&O..." followed by digits only.
void CheckRadix(const std::string& packed, double value)
{
    const int radix = (packed[1] == 'h' || packed[1] == 'H') ? 16 : 8;
    constexpr std::uint64_t kNoLongerExact = std::uint64_t{1} << 40;
    std::uint64_t exact = 0;
    long double magnitude = 0.0L;
    for (std::size_t i = 2; i < packed.size(); ++i) {
        const int digit = DigitValue(packed[i]);
        Require(digit >= 0 && digit < radix, "a whole &H or &O number has only digits of its radix",
                [&] { return Quoted(packed); });
        magnitude = magnitude * radix + digit;
        if (exact < kNoLongerExact)
            exact = exact * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    }
    const auto describe = [&] { return Quoted(packed) + " read " + Show(value); };
    if (exact <= 0xFFFFu) {
        const double expected = exact >= 0x8000u ? static_cast<double>(exact) - 65536.0 : static_cast<double>(exact);
        Require(value == expected, "an &H/&O value of 16 bits reads as a 16-bit integer", describe);
    } else if (exact <= 0xFFFFFFFFu) {
        const double expected =
            exact >= 0x80000000u ? static_cast<double>(exact) - 4294967296.0 : static_cast<double>(exact);
        Require(value == expected, "an &H/&O value of 32 bits reads as a 32-bit integer", describe);
    } else if (magnitude > static_cast<long double>(std::numeric_limits<double>::max()) * (1.0L - 1e-14L)) {
        Require(value > std::numeric_limits<double>::max() * (1.0 - 1e-14), "a huge &H/&O value reads as huge",
                describe);
    } else {
        const long double difference = static_cast<long double>(value) - magnitude;
        Require((difference < 0 ? -difference : difference) <= magnitude * 1e-14L,
                "a longer &H/&O value reads as its positive magnitude", describe);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);
    const bool numeric = IsNumericText(text);

    Require(!std::isnan(value), "a reading is never NaN", [&] { return Quoted(text); });

    const std::string packed = WithoutBlanks(text);
    Require(SameBits(ReadNumber(packed), value) && IsNumericText(packed) == numeric,
            "blanks, tabs and line feeds are ignored wherever they stand",
            [&] { return Quoted(text) + " read " + Show(value) + ", without blanks " + Show(ReadNumber(packed)); });

    const std::string stopped = text + '#';
    Require(SameBits(ReadNumber(stopped), value) && !IsNumericText(stopped),
            "reading stops at a character that cannot continue a number",
            [&] { return Quoted(text) + " read " + Show(value) + ", followed by # " + Show(ReadNumber(stopped)); });

    if (text.size() <= kPrefixCheckLength) {
        const double prefixValue = LongestNumericPrefixValue(text);
        Require(SameBits(prefixValue, value), "a text reads as its longest leading number, or 0",
                [&] { return Quoted(text) + " read " + Show(value) + ", its longest number " + Show(prefixValue); });
    }

    if (!numeric)
        return 0;
    if (packed.front() == '&') {
        CheckRadix(packed, value);
        return 0;
    }
    CheckDecimal(packed, value);
    if (Fuzz::IsDigitChar(packed.front()) || packed.front() == '.') {
        const std::string negated = "-" + text;
        Require(SameBits(ReadNumber(negated), -value) && IsNumericText(negated),
                "a minus sign in front of a number negates it", [&] { return Quoted(negated); });
    }
    return 0;
}
