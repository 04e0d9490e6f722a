#pragma once

#include <cmath>
#include <string_view>

// The two unit systems the calculator shows. The evaporation model itself works in
// US customary units; SI readings are converted exactly on their way in and the
// rates on their way out.
enum class UnitSystem { US, SI };

namespace Units {

inline constexpr double KilometresPerMile = 1.609344;
// 1 lb/ft2/hr in kg/m2/hr: 0.45359237 kg / 0.09290304 m2.
inline constexpr double KgPerM2HrPerLbPerFt2Hr = 4.882428;

constexpr double FahrenheitFromCelsius(double celsius) { return celsius * 9.0 / 5.0 + 32.0; }
constexpr double CelsiusFromFahrenheit(double fahrenheit) { return (fahrenheit - 32.0) * 5.0 / 9.0; }
constexpr double MphFromKmh(double kmh) { return kmh / KilometresPerMile; }
constexpr double KmhFromMph(double mph) { return mph * KilometresPerMile; }

// Temperatures, wind velocities and rates between the US customary units the model
// uses and the system shown (values in the US system pass unchanged).
double TemperatureToUS(double value, UnitSystem from);
double TemperatureFromUS(double fahrenheit, UnitSystem to);
double WindToUS(double value, UnitSystem from);
double WindFromUS(double mph, UnitSystem to);
double RateToUS(double value, UnitSystem from);
double RateFromUS(double lbPerFt2Hr, UnitSystem to);

// The wind a forecast gives 10 m above ground brought to about 0.5 m above the slab, as
// the nomograph wants it, by the 1/7 power law of the wind profile: (0.5 / 10)^(1/7).
inline const double ForecastWindHeightFactor = std::pow(0.5 / 10.0, 1.0 / 7.0);

// Unit names as the window writes them.
std::string_view TemperatureUnit(UnitSystem units);  // "°F", "°C"
std::string_view WindUnit(UnitSystem units);         // "mph", "km/h"
std::string_view RateUnit(UnitSystem units);         // "lb/ft²/hr", "kg/m²/hr"

// The short names records store ("US", "SI"); anything else reads as US, the
// system of every record saved before the column existed.
std::string_view Code(UnitSystem units);
UnitSystem FromCode(std::string_view code);

}  // namespace Units
