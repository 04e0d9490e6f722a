#pragma once

// Shared by the fuzz targets: checking a property, describing the input that broke
// it, and recognising the fixed-point texts the number formats write.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace Fuzz {

// The text with every byte that is not plain printable ASCII written as \xNN,
// so that a failure report shows exactly which bytes were read.
inline std::string Quoted(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out + '"';
}

// All the digits a double needs to be told apart from its neighbours.
inline std::string Show(double v)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// A broken property ends the run with a message on stderr; libFuzzer then saves the
// input that broke it. The detail is only put together when it is needed.
template <typename Detail>
void Require(bool holds, const char* property, Detail detail)
{
    if (holds)
        return;
    const std::string text = detail();
    std::fprintf(stderr, "\n*** Property broken: %s\n    %s\n", property, text.c_str());
    std::abort();
}

inline bool SameBits(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

// A text of the form [-]digits[.digits]; the parts are kept for the shape checks.
struct FixedText {
    bool negative = false;
    std::string integerDigits;
    bool point = false;
    std::string decimals;

    bool allZero() const { return (integerDigits + decimals).find_first_not_of('0') == std::string::npos; }
};

inline std::optional<FixedText> SplitFixed(std::string_view text)
{
    FixedText parts;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        parts.negative = true;
        ++i;
    }
    while (i < text.size() && IsDigitChar(text[i]))
        parts.integerDigits += text[i++];
    if (i < text.size() && text[i] == '.') {
        parts.point = true;
        ++i;
        while (i < text.size() && IsDigitChar(text[i]))
            parts.decimals += text[i++];
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

// A fixed format with `decimals` decimals and at least `minIntegerDigits` integer
// digits: exactly that many decimals (and a point only when there are some), no
// leading zero beyond the minimum, and no minus sign on a zero.
inline bool HasFixedShape(std::string_view text, int decimals, std::size_t minIntegerDigits)
{
    const std::optional<FixedText> parts = SplitFixed(text);
    if (!parts)
        return false;
    const std::size_t integers = parts->integerDigits.size();
    if (integers < minIntegerDigits || (integers > std::max<std::size_t>(minIntegerDigits, 1)
                                        && parts->integerDigits.front() == '0'))
        return false;
    if (integers == 0 && decimals == 0)
        return false;
    if (parts->point != (decimals > 0) || parts->decimals.size() != static_cast<std::size_t>(decimals))
        return false;
    return !(parts->negative && parts->allZero());
}

// What the fixed formats write for the values they cannot write as digits.
inline std::string NonFiniteText(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Infinity" : "Infinity";
}

// The distance between a value and the reading of its written text allowed by a
// format with `decimals` decimals: half a unit in the last decimal, plus the
// rounding of the reading itself to a double.
inline double FixedTolerance(double v, int decimals)
{
    return 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-12) + std::fabs(v) * 0x1p-52;
}

}  // namespace Fuzz
