#pragma once

#include "calc/Calculation.h"

class QWidget;

namespace output {

class TextWriter;
enum class PrintOutcome;

// Prints the one-page report of a recalculation on the default printer and says "Print
// Sent" once it went. Without a solution it says so and prints nothing.
PrintOutcome PrintTextReport(QWidget* parent, const Calculation& calculation);

// Lays the report out line by line on a page.
void WriteTextReport(TextWriter& writer, const Calculation& calculation);

// Where the report's origin lies from the printable area's top-left corner, in points.
inline constexpr double ReportLeftMargin = 36.0;
inline constexpr double ReportTopMargin = 18.0;

}  // namespace output
