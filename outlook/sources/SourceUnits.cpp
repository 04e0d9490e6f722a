#include "outlook/sources/SourceUnits.h"

namespace CsvImport {
namespace {

double KmhFromMetresPerSecond(double ms) { return ms * 3.6; }
double MphFromMetresPerSecond(double ms) { return Units::MphFromKmh(ms * 3.6); }

Conversion TemperatureConversion(TemperatureScale from, UnitSystem to)
{
    if (from == TemperatureScale::Fahrenheit)
        return to == UnitSystem::US ? nullptr : &Units::CelsiusFromFahrenheit;
    return to == UnitSystem::SI ? nullptr : &Units::FahrenheitFromCelsius;
}

Conversion WindConversion(WindScale from, UnitSystem to)
{
    switch (from) {
    case WindScale::Mph:
        return to == UnitSystem::US ? nullptr : &Units::KmhFromMph;
    case WindScale::Kmh:
        return to == UnitSystem::SI ? nullptr : &Units::MphFromKmh;
    case WindScale::MetresPerSecond:
        return to == UnitSystem::SI ? &KmhFromMetresPerSecond : &MphFromMetresPerSecond;
    }
    return nullptr;
}

}  // namespace

std::optional<TemperatureScale> TemperatureScaleNamed(QString unit)
{
    unit.remove(u' ').remove(u'°').remove(u'º');
    if (unit.startsWith(u"degrees"))
        unit.remove(0, 7);
    else if (unit.startsWith(u"deg"))
        unit.remove(0, 3);
    if (unit == u"f" || unit == u"fahrenheit")
        return TemperatureScale::Fahrenheit;
    if (unit == u"c" || unit == u"celsius")
        return TemperatureScale::Celsius;
    return std::nullopt;
}

std::optional<WindScale> WindScaleNamed(QString unit)
{
    unit.remove(u' ');
    if (unit == u"mph")
        return WindScale::Mph;
    if (unit == u"km/h" || unit == u"kmh" || unit == u"kph")
        return WindScale::Kmh;
    if (unit == u"m/s" || unit == u"ms" || unit == u"mps")
        return WindScale::MetresPerSecond;
    return std::nullopt;
}

SourceUnits NamedUnits(const ColumnUnits& columns)
{
    return {columns.air ? columns.air : columns.concrete, columns.wind};
}

Conversions ConversionsInto(UnitSystem table, const ColumnUnits& columns, const SourceUnits& source)
{
    const TemperatureScale temperature = source.temperature.value_or(
        table == UnitSystem::US ? TemperatureScale::Fahrenheit : TemperatureScale::Celsius);
    const WindScale wind = source.wind.value_or(table == UnitSystem::US ? WindScale::Mph : WindScale::Kmh);
    return {.air = TemperatureConversion(columns.air.value_or(temperature), table),
            .concrete = TemperatureConversion(columns.concrete.value_or(temperature), table),
            .wind = WindConversion(columns.wind.value_or(wind), table)};
}

}  // namespace CsvImport
