#include "calc/NumberWriting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "calc/NumberReading.h"

namespace NumberFormat {

namespace {

// Room for the widest fixed-point double (309 integer digits) with sign, point and decimals.
using Buffer = std::array<char, 400>;

std::string NonFiniteText(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Infinity" : "Infinity";
}

// The shortest exact form of a finite value in the given format: what printf's %.*f and
// %.*g write, correctly rounded, with '.' whatever the locale.
std::string Written(double v, std::chars_format format, int precision)
{
    Buffer buffer;
#if defined(__cpp_lib_to_chars)
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, format, precision);
    return std::string(buffer.data(), written.ptr);
#else
    // A standard library without floating-point to_chars (the WebAssembly build's): the C
    // library's printf, correctly rounded there, in the C locale that build never leaves.
    const int length = std::snprintf(buffer.data(), buffer.size(),
                                     format == std::chars_format::fixed ? "%.*f" : "%.*g", precision, v);
    return std::string(buffer.data(), std::size_t(length));
#endif
}

bool IsZeroDigits(const std::string& s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '0' || c == '.' || c == '-'; });
}

// Fixed decimals, correctly rounded from the exact binary value (an exact half goes
// to the even neighbour). A value that rounds to zero carries no minus sign.
std::string Fixed(double v, int decimals)
{
    std::string text = Written(v, std::chars_format::fixed, decimals);
    if (text.front() == '-' && IsZeroDigits(text))
        text.erase(0, 1);
    return text;
}

// Pads the integer part with leading zeros up to `minDigits`.
std::string WithIntegerDigits(std::string text, std::size_t minDigits)
{
    const std::size_t start = text.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::size_t integerDigits = point - start;
    if (integerDigits < minDigits)
        text.insert(start, minDigits - integerDigits, '0');
    return text;
}

std::string FixedOrNonFinite(double v, int decimals)
{
    return std::isfinite(v) ? Fixed(v, decimals) : NonFiniteText(v);
}

template <typename Number>
std::string GeneralForm(Number v, int significantDigits)
{
    if (!std::isfinite(v))
        return NonFiniteText(v);
    if (v == 0)
        return "0";
    std::string text = Written(v, std::chars_format::general, significantDigits);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace

std::string Rate(double v) { return FixedOrNonFinite(v, 3); }
std::string Decimals(double v, int decimals) { return FixedOrNonFinite(v, decimals); }
std::string ScenarioValue(double v) { return FixedOrNonFinite(v, 1); }
std::string OneDecimal(double v) { return FixedOrNonFinite(v, 1); }

std::string TwoDigits(double v)
{
    return std::isfinite(v) ? WithIntegerDigits(Fixed(v, 0), 2) : NonFiniteText(v);
}

std::string Digits(double v)
{
    if (!std::isfinite(v))
        return NonFiniteText(v);
    const std::string text = Fixed(v, 0);
    return text == "0" ? std::string() : text;
}

std::string WholeNumber(double v) { return FixedOrNonFinite(v, 0); }

std::string Compact(double v)
{
    if (!std::isfinite(v))
        return NonFiniteText(v);
    std::string text = Fixed(v, 3);
    while (text.back() == '0')
        text.pop_back();
    const std::size_t start = text.front() == '-' ? 1 : 0;
    if (text.compare(start, 2, "0.") == 0)
        text.erase(start, 1);
    return text;
}

std::string CompactText(std::string_view text)
{
    return IsNumericText(text) ? Compact(ReadNumber(text)) : std::string(text);
}

std::string General(float v) { return GeneralForm(v, 7); }
std::string General(double v) { return GeneralForm(v, 15); }

}  // namespace NumberFormat
