#pragma once

#include <QDateTime>
#include <QString>

#include "calc/Calculation.h"

class QWidget;

namespace output {

class TextWriter;
enum class PrintOutcome;

// What heads the report's page: when and by whom it was printed, and where the readings
// were taken when that is known.
struct ReportHeading {
    QDateTime printed;
    QString printedBy;
    QString site;  // empty when not known
};

// Prints the one-page report of a recalculation on the default printer and says "Print
// Sent" once it went. Without a solution it says so and prints nothing.
PrintOutcome PrintTextReport(QWidget* parent, const Calculation& calculation, const ReportHeading& heading);

// Lays the report out line by line on a page: the heading's block, then the report itself
// as far below as the block is high.
void WriteTextReport(TextWriter& writer, const Calculation& calculation, const ReportHeading& heading);

// Where the report's origin lies from the printable area's top-left corner, in points.
inline constexpr double ReportLeftMargin = 36.0;
inline constexpr double ReportTopMargin = 18.0;

}  // namespace output
