#pragma once

#include <optional>
#include <string>

#include "outlook/HourlyReading.h"
#include "outlook/sources/CsvHeader.h"
#include "outlook/sources/CsvTokenizer.h"
#include "outlook/sources/SourceUnits.h"

namespace CsvImport {

// One data record read into an hour: the time from the layout's time columns as the
// site's wall clock, each reading converted into the table's units. A field that cannot
// be read is kept as written, and the first such field sets the hour's problem, naming
// line and column.
HourlyReading ReadRow(const Record& record, const Layout& layout, const Conversions& to);

// A reading as a number's text: a comma is its decimal point where it has no point, as in
// semicolon-separated text or quoted in comma-separated text ("27,4").
std::string NumberText(std::string field);

// The units a row under the header names for its columns (°F, C, degC, mph, ms-1, …),
// none where it names none; nothing when the row is data, its time a date or time of day
// or a reading a number. A meter's units row writes the time column's format there.
std::optional<ColumnUnits> ReadUnitsRow(const Record& record, const Layout& layout);

}  // namespace CsvImport
