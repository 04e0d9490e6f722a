#include "calc/Units.h"

namespace Units {

double TemperatureToUS(double value, UnitSystem from)
{
    return from == UnitSystem::SI ? FahrenheitFromCelsius(value) : value;
}

double TemperatureFromUS(double fahrenheit, UnitSystem to)
{
    return to == UnitSystem::SI ? CelsiusFromFahrenheit(fahrenheit) : fahrenheit;
}

double WindToUS(double value, UnitSystem from)
{
    return from == UnitSystem::SI ? MphFromKmh(value) : value;
}

double WindFromUS(double mph, UnitSystem to)
{
    return to == UnitSystem::SI ? KmhFromMph(mph) : mph;
}

double RateToUS(double value, UnitSystem from)
{
    return from == UnitSystem::SI ? value / KgPerM2HrPerLbPerFt2Hr : value;
}

double RateFromUS(double lbPerFt2Hr, UnitSystem to)
{
    return to == UnitSystem::SI ? lbPerFt2Hr * KgPerM2HrPerLbPerFt2Hr : lbPerFt2Hr;
}

std::string_view TemperatureUnit(UnitSystem units)
{
    return units == UnitSystem::SI ? "°C" : "°F";
}

std::string_view WindUnit(UnitSystem units)
{
    return units == UnitSystem::SI ? "km/h" : "mph";
}

std::string_view RateUnit(UnitSystem units)
{
    return units == UnitSystem::SI ? "kg/m²/hr" : "lb/ft²/hr";
}

std::string_view Code(UnitSystem units)
{
    return units == UnitSystem::SI ? "SI" : "US";
}

UnitSystem FromCode(std::string_view code)
{
    return code == "SI" ? UnitSystem::SI : UnitSystem::US;
}

}  // namespace Units
