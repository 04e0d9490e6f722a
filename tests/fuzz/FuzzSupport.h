#pragma once

// Shared by the fuzz targets: reporting a broken property, splitting an input into lines,
// the valid ranges, the equation in double precision and the texts of printf.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/InputSet.h"

namespace Fuzz {

// The text with every byte that is not printable ASCII written as \xNN.
inline std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += "0123456789ABCDEF"[byte >> 4];
            out += "0123456789ABCDEF"[byte & 0xF];
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

// A broken property ends the run with a message; libFuzzer then keeps the input.
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

// The first N lines of an input; missing lines are empty.
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

// In the order of the window's rows.
inline constexpr std::array<InputRange, 4> kRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                                   InputRanges::ConcreteTemp, InputRanges::WindVelocity};

// The equation's rate in double precision, and the size of its terms against which a
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

inline std::string NonFiniteText(double v)
{
    return std::isnan(v) ? "NaN" : v < 0 ? "-Infinity" : "Infinity";
}

// A fixed format with `decimals` decimals as printf writes it (correctly rounded, an
// exact half to the even neighbour), without a minus sign on a zero.
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
