#pragma once

#include <QString>
#include <optional>

#include "calc/Units.h"

// The units a source writes its readings in, as it names them, and the conversions from
// them into the units of the outlook's table.
namespace CsvImport {

enum class TemperatureScale { Fahrenheit, Celsius };
enum class WindScale { Mph, Kmh, MetresPerSecond };

// The units of the source's columns where its header does not name them.
struct SourceUnits {
    std::optional<TemperatureScale> temperature;
    std::optional<WindScale> wind;
};

// The units named for each column; empty where none is named.
struct ColumnUnits {
    std::optional<TemperatureScale> air;
    std::optional<TemperatureScale> concrete;
    std::optional<WindScale> wind;
};

// "°F", "F", "degF", "degrees celsius", "c" (lower case, as a header writes it); nothing for another text.
std::optional<TemperatureScale> TemperatureScaleNamed(QString unit);
// "mph", "km/h", "kmh", "kph", "m/s", "ms", "mps" (lower case); nothing for another text.
std::optional<WindScale> WindScaleNamed(QString unit);

// The source's units as its columns name them: a temperature column without a unit of
// its own shares the other's.
SourceUnits NamedUnits(const ColumnUnits& columns);

// From the source's unit into the table's; nullptr where they are the same.
using Conversion = double (*)(double);

struct Conversions {
    Conversion air = nullptr;
    Conversion concrete = nullptr;
    Conversion wind = nullptr;
};

// The conversions of each column into `table`: its own unit first, then `source`'s; a
// column with neither is taken as written in `table`'s units.
Conversions ConversionsInto(UnitSystem table, const ColumnUnits& columns, const SourceUnits& source);

}  // namespace CsvImport
