#pragma once

#include <string_view>

// The program's one rule for turning text into a number: blanks, tabs and line
// feeds are ignored wherever they stand; the number is the longest leading part
// that forms a decimal number (sign, digits, one '.', exponent with E or D) or a
// hexadecimal (&H) or octal (&O) integer; text without one reads as 0.
double ReadNumber(std::string_view text);

// Whether the whole text, blanks aside, is one number in the sense above
// (used where a text is written as a number only when it is numeric).
bool IsNumericText(std::string_view text);
