#include <gtest/gtest.h>

#include "outlook/sources/CsvHeader.h"

namespace {

using CsvImport::Column;

// A layout as "time clock air humidity wind concrete" column numbers (- where absent), then the
// named units of air, concrete and wind (- where none), then the first missing column.
std::string Shown(const std::optional<CsvImport::Layout>& layout)
{
    if (!layout)
        return "no header";
    const auto at = [](const Column& column) { return column.present() ? std::to_string(column.index) : "-"; };
    const auto symbol = [](const Units::Unit* unit) { return unit ? std::string(unit->symbol) : "-"; };
    const auto& units = layout->units;
    return at(layout->time) + ' ' + at(layout->clock) + ' ' + at(layout->air) + ' ' + at(layout->humidity) + ' ' +
           at(layout->wind) + ' ' + at(layout->concrete) + " | " + symbol(units.air) + ' ' + symbol(units.concrete) +
           ' ' + symbol(units.wind) + " | " + CsvImport::MissingColumn(*layout).toStdString();
}

TEST(CsvHeader, ColumnsAndUnitsAreKnownByTheirCommonNames)
{
    const struct {
        const char* name;
        const char* header;
        const char* layout;
    } cases[] = {
        {"names with units in brackets", "Time|Air Temperature (°F)|RH (%)|Wind (mph)|Concrete Temperature (°F)",
         "0 - 1 2 3 4 | °F °F mph | "},
        {"units in square brackets and after a comma", "date/time|Temp, °C|humidity|wind [km/h]|tc [C]",
         "0 - 1 2 3 4 | °C °C km/h | "},
        {"forecast column names", "time|temperature_2m (°C)|relative_humidity_2m (%)|wind_speed_10m (km/h)",
         "0 - 1 2 3 - | °C - km/h | "},
        {"units as suffixes", "Date Time|temp_f|rel hum|Wind m/s|Concrete Temp degF", "0 - 1 2 3 4 | °F °F m/s | "},
        {"unknown and second columns skipped", "Station|TIMESTAMP|Ta (C)|Rel.Hum|Dew point|WS [mps]|Tc|Temp",
         "1 - 2 3 5 6 | °C - m/s | "},
        {"date and time of day apart", "Date|Hour|Air|RH|Wind Velocity|Surface Temperature (deg c)",
         "0 1 2 3 4 5 | - °C - | "},
        {"a stamp wins over date and time", "Date|Time|Timestamp|T|Relative Humidity|V|Concrete",
         "2 - 3 4 5 6 | - - - | "},
        {"kelvin not known, knots known", "Time|Temp (K)|RH|Wind (knots)", "0 - 1 2 3 - | - - kn | "},
        {"a meter's export", "FORMATTED DATE_TIME|Temperature|Wet Bulb Temp|Relative Humidity|Barometric Pressure|"
                             "Wind Speed|Dew Point|Data Type", "0 - 1 3 5 - | - - - | "},
        {"a data logger's table", "TIMESTAMP|RECORD|BattV_Min|AirTC_Avg|RH%|WS_ms_Avg", "0 - 3 4 5 - | - - m/s | "},
        {"no time", "Air|RH|Wind", "- - 0 1 2 - | - - - | time"},
        {"no humidity", "Date|Air|Wind", "0 - 1 - 2 - | - - - | relative-humidity"},
        {"no wind", "Time|Air|RH|Concrete", "0 - 1 2 - 3 | - - - | wind"},
        {"a line of data", "2024-06-01 06:00|70|50|5", "no header"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Shown(CsvImport::ReadHeader(QString::fromUtf8(c.header).split(u'|'))), c.layout);
    }
}

}  // namespace
