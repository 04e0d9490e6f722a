#pragma once

#include <string>
#include <string_view>

// Number formats of the window, the scenario tables, the titles and the chart.
namespace NumberFormat {

std::string Rate(double v);            // "#0.000": 0.24144 -> "0.241"
std::string ScenarioValue(double v);   // "#0.0":   -143.86 -> "-143.9"
std::string OneDecimal(double v);      // "0.0":    chart rate ticks
std::string TwoDigits(double v);       // "00":     chart air-temperature ticks
std::string Digits(double v);          // "#":      no digit for zero
std::string WholeNumber(double v);     // "#0":     at least one digit
std::string Compact(double v);         // "#.###":  0.05 -> ".05", 1 -> "1."

// "#.###" applied to a text: numeric text is written as above, any other text
// (including empty text) is returned unchanged.
std::string CompactText(std::string_view text);

// General number form: at most 7 significant digits for a single, 15 for a
// double, no trailing zeros, no thousands separator.
std::string General(float v);
std::string General(double v);

}  // namespace NumberFormat
