#pragma once

#include <string_view>

// The program's one rule for turning text into a number: blanks, tabs and line
// feeds are ignored wherever they stand; the number is the longest leading part
// that forms a decimal number (sign, digits, one '.', exponent with E or D) or a
// hexadecimal (&H) or octal (&O) integer; text without one reads as 0.
// &H and &O values that fit 16 bits read as 16-bit two's complement (&HFFFF is -1),
// those that fit 32 bits as 32-bit two's complement; longer ones read as their
// positive magnitude. A decimal too large for a double reads as +/-infinity, one
// too small as 0. Never fails, whatever the bytes.
double ReadNumber(std::string_view text);

// Whether the whole text, blanks aside, is one number in the sense above
// (used where a text is written as a number only when it is numeric).
bool IsNumericText(std::string_view text);
