#pragma once

#include <QString>
#include <vector>

#include "calc/Units.h"
#include "outlook/HourlyReading.h"
#include "outlook/sources/SourceUnits.h"

// Hourly readings from spreadsheet text: a CSV file, or rows pasted from a
// spreadsheet (tab-, comma- or semicolon-separated).
namespace CsvImport {

struct Result {
    // False when the text as a whole cannot be read; `error` then says why, naming the
    // line, and `rows` is empty.
    bool readable = false;
    QString error;
    // One hour per data line, in the order of the text; a line with an unreadable
    // value is kept with its `problem` set.
    std::vector<HourlyReading> rows;
    // The units the header named (empty where it named none).
    SourceUnits named;
    // Whether the values needed a unit the header did not name and `chosen` did not give.
    bool temperatureUnitMissing = false;
    bool windUnitMissing = false;
};

// Reads `text` into rows whose values are written in `units`. Units named by the
// header win over `chosen`; where neither gives one, the values are taken as already
// in `units` and the result says so.
Result Read(const QString& text, UnitSystem units, const SourceUnits& chosen = {});

}  // namespace CsvImport
