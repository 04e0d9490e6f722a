#pragma once

#include "outlook/HourlyReading.h"
#include "outlook/sources/CsvHeader.h"
#include "outlook/sources/CsvTokenizer.h"
#include "outlook/sources/SourceUnits.h"

namespace CsvImport {

// One data record read into an hour: the time from the layout's time columns, each
// reading converted into the table's units. A field that cannot be read is kept as
// written, and the first such field sets the hour's problem, naming line and column.
// With `decimalComma` a comma in a reading is its decimal point.
HourlyReading ReadRow(const Record& record, const Layout& layout, const Conversions& to, bool decimalComma);

}  // namespace CsvImport
