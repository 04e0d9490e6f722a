#pragma once

// Shared by the fuzz targets: reporting a broken property, splitting an input into
// lines, the valid ranges, the equation in double precision, and the texts the
// number formats are to write.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/InputSet.h"

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
// input that broke it.
inline void Require(bool holds, const char* property, const std::string& detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "\n*** Property broken: %s\n    %s\n", property, detail.c_str());
    std::abort();
}

inline bool SameBits(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// The first N lines of an input that holds one item a line; missing lines are empty.
template <std::size_t N>
std::array<std::string, N> Lines(std::string_view data)
{
    std::array<std::string, N> lines;
    for (std::string& line : lines) {
        const std::size_t end = std::min(data.find('\n'), data.size());
        line = data.substr(0, end);
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    return lines;
}

// In the order of the window's rows: air temperature, relative humidity, concrete
// temperature, wind velocity.
inline constexpr std::array<InputRange, 4> kRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                                   InputRanges::ConcreteTemp, InputRanges::WindVelocity};

// The equation in double precision, and the size of its terms against which a
// single-precision evaluation is judged.
struct EquationValue {
    double rate;
    double scale;
};

inline EquationValue Equation(double airTemp, double humidity, double concreteTemp, double wind)
{
    const double concrete = std::pow(concreteTemp, 2.5);
    const double air = humidity / 100.0 * std::pow(airTemp, 2.5);
    return {(concrete - air) * (1.0 + 0.4 * wind) * 1e-6,
            (std::fabs(concrete) + std::fabs(air)) * (1.0 + 0.4 * std::fabs(wind)) * 1e-6};
}

// What the formats write for the values they cannot write as digits.
inline std::string NonFiniteText(double v)
{
    return std::isnan(v) ? "NaN" : v < 0 ? "-Infinity" : "Infinity";
}

// What a fixed format with `decimals` decimals writes, by the C library's correctly
// rounded printf: an exact half to the even neighbour, and no minus sign on a zero.
inline std::string PrintedFixed(double v, int decimals)
{
    if (!std::isfinite(v))
        return NonFiniteText(v);
    char buffer[400];  // the widest double has 309 integer digits
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    std::string text = buffer;
    if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

}  // namespace Fuzz
