#pragma once

#include <QString>

#include "calc/UnitSystems.h"

// The units a source writes its readings in, as it names them, and the conversions from
// them into the units of the outlook's table.
namespace CsvImport {

// The units of the source's columns where its header does not name them; none where unknown.
struct SourceUnits {
    const Units::Unit* temperature = nullptr;
    const Units::Unit* wind = nullptr;
};

// The units named for each column; none where none is named.
struct ColumnUnits {
    const Units::Unit* air = nullptr;
    const Units::Unit* concrete = nullptr;
    const Units::Unit* wind = nullptr;
};

// The unit of `quantity` a header or a units row names ("°F", "F", "degF", "degrees celsius",
// "km/h", "m/s", "kn"), in any case; none for another text.
const Units::Unit* UnitNamed(Quantity quantity, QString unit);

// The source's units as its columns name them: a temperature column without a unit of
// its own shares the other's.
SourceUnits NamedUnits(const ColumnUnits& columns);

// From the source's unit of a column into the table's.
struct Conversion {
    const Units::Unit* from = nullptr;
    const Units::Unit* to = nullptr;
    bool changes() const { return from != to; }
    double operator()(double value) const { return Units::Convert(value, *from, *to); }
};

struct Conversions {
    Conversion air;
    Conversion concrete;
    Conversion wind;
};

// The conversions of each column into `table`: its own unit first, then `source`'s; a
// column with neither is taken as written in `table`'s units.
Conversions ConversionsInto(UnitSystem table, const ColumnUnits& columns, const SourceUnits& source);

}  // namespace CsvImport
