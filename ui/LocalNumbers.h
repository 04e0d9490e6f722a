#pragma once

#include <QString>
#include <string>
#include <string_view>

// The core reads and writes numbers with a decimal point; the window shows them with the
// decimal separator of the language in force ("27,5" in German) and takes them typed so.
// In English both directions leave a text as it is.
namespace LocalNumbers {

// A text of the core ("0.24", "Cool to 81.5 °F") with each decimal point between digits, or
// before a digit at the start of a number (".2"), written as the language's separator.
QString Shown(std::string_view coreText);
QString Shown(const QString& coreText);
// A typed number as the core reads it: the language's separator becomes a point.
std::string Typed(const QString& text);

}  // namespace LocalNumbers
