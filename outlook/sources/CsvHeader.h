#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "outlook/sources/SourceUnits.h"

// Which column of a source holds which reading, from the names in its header.
namespace CsvImport {

struct Column {
    int index = -1;  // 0-based; -1 when the text has no such column
    QString name;    // as the header writes it; empty without a header

    bool present() const { return index >= 0; }
};

struct Layout {
    Column time = {};   // the date and time, or only the date when `clock` is present
    Column clock = {};  // the time of day in a column of its own
    Column air = {};
    Column humidity = {};
    Column wind = {};
    Column concrete = {};
    ColumnUnits units = {};
    int knownColumns = 0;  // how many columns the header names by a known name
};

// Without a header the columns stand in the order the import dialog shows.
Layout PositionalLayout();

// The columns a header names by their common names ("Air Temperature (°F)", "temp [C]",
// "Temperature, °C", "temp_c", "Wind m/s", a meter's "FORMATTED DATE_TIME", a data
// logger's "AirTC_Avg"), the first column of a kind counting; nothing when the fields name
// no column at all and so are a line of data (or a device line before the header).
std::optional<Layout> ReadHeader(const QStringList& fields);

// The first required column the layout lacks, as a message names it; empty when none is lacking.
QString MissingColumn(const Layout& layout);

}  // namespace CsvImport
