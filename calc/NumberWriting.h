#pragma once

#include <string>
#include <string_view>

// Number formats of the window, the scenario tables, the titles and the chart.
// Independent of the user's locale ('.' is always the point). Fixed formats round
// the exact binary value, an exact half to the even neighbour, and write a value
// that rounds to zero without a minus sign. Infinities and not-a-number are
// written "Infinity", "-Infinity" and "NaN".
namespace NumberFormat {

std::string Rate(double v);            // "#0.000": 0.24144 -> "0.241"
std::string Decimals(double v, int decimals);  // "#0.00" and the like: at least one integer digit
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
// double, no trailing zeros, no thousands separator; an exponent ("1E+07",
// "1E-05") once the magnitude needs more digits than that or is below 0.0001.
std::string General(float v);
std::string General(double v);

}  // namespace NumberFormat
