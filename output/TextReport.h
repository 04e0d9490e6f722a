#pragma once

#include <QString>

#include <array>

#include "calc/Calculation.h"

class QWidget;

namespace output {

class TextWriter;
enum class PrintOutcome;

// What the report prints, copied from the main window as it stands: texts exactly as
// shown, nothing recomputed.
struct ReportData {
    // What a recalculation showed, the cells by their place in the window's arrays.
    static ReportData From(const Calculation& calculation);

    UnitSystem units = UnitSystem::US;
    // The input boxes as typed.
    QString airTemp;
    QString relativeHumidity;
    QString concreteTemp;
    QString windVelocity;
    // The two rates and the precaution message as captioned.
    QString evapNomo;
    QString evapEqn;
    QString answer;
    // The threshold in force as typed.
    QString userRate;
    // Scenario cell captions by index: 0-3 for 0.1, 4-7 for 0.2, 8-11 for the threshold in force.
    std::array<QString, 12> air;
    std::array<QString, 12> rh;
    std::array<QString, 12> conc;
    std::array<QString, 12> wind;
};

// Prints the one-page report on the default printer and says "Print Sent" once it went.
// Without a solution it says so and prints nothing.
PrintOutcome PrintTextReport(QWidget* parent, bool solutionExists, const ReportData& data);

// Lays the report out line by line on a page.
void WriteTextReport(TextWriter& writer, const ReportData& data);

// Where the report's origin lies from the printable area's top-left corner, in points.
inline constexpr double ReportLeftMargin = 36.0;
inline constexpr double ReportTopMargin = 18.0;

}  // namespace output
