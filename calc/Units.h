#pragma once

#include <array>
#include <cmath>
#include <span>
#include <string_view>

// The two unit systems the calculator shows (calc/UnitSystems.h holds what each one
// uses). The evaporation model itself works in US customary units; readings in other
// units are converted exactly on their way in and the rates on their way out.
enum class UnitSystem { US, SI };

// What a reading or a result measures. The model's units: degrees F, percent, mph and
// lb/ft2/hr.
enum class Quantity { Temperature, Humidity, Wind, Rate };

namespace Units {

// One unit of a quantity and its way to the model's unit:
//     model = value × factor ÷ divisor + offset.
// Kept as a ratio so that a conversion by an exact ratio (9/5, 1.609344) gives the same
// double as the textbook formula.
struct Unit {
    Quantity quantity;
    std::string_view symbol;  // as the window writes it: "°F", "km/h"
    double factor = 1.0;
    double divisor = 1.0;
    double offset = 0.0;
    // Other ways headers, units rows and servers write it, in lower case without blanks.
    std::array<std::string_view, 6> spellings{};

    double ToModel(double value) const;
    double FromModel(double model) const;
    // For a difference of two values, such as "air + 5": the offset does not apply.
    double DifferenceToModel(double value) const;
    double DifferenceFromModel(double model) const;
};

inline constexpr Unit Fahrenheit{Quantity::Temperature, "°F", 1, 1, 0, {"f", "degf", "fahrenheit"}};
inline constexpr Unit Celsius{Quantity::Temperature, "°C", 9, 5, 32, {"c", "degc", "celsius"}};
inline constexpr Unit Percent{Quantity::Humidity, "%", 1, 1, 0, {"percent", "%rh", "pct"}};
inline constexpr Unit Mph{Quantity::Wind, "mph", 1, 1, 0, {"mi/h", "mp/h", "miles/h", "milesperhour"}};
inline constexpr Unit Kmh{Quantity::Wind, "km/h", 1, 1.609344, 0, {"kmh", "kph", "km/hr", "kmph"}};
// 3.6 km/h in a metre per second.
inline constexpr Unit MetresPerSecond{Quantity::Wind, "m/s", 3.6, 1.609344, 0, {"ms-1", "m s-1", "mps", "ms"}};
inline constexpr Unit Knots{Quantity::Wind, "kn", 1.852, 1.609344, 0, {"kt", "kts", "knot", "knots"}};
inline constexpr Unit LbPerFt2Hr{Quantity::Rate, "lb/ft²/hr", 1, 1, 0, {"lb/ft2/hr", "lb/ft2/h"}};
// 1 lb/ft2/hr in kg/m2/hr: 0.45359237 kg / 0.09290304 m2.
inline constexpr Unit KgPerM2Hr{Quantity::Rate, "kg/m²/hr", 1, 4.882428, 0, {"kg/m2/hr", "kg/m2/h", "kg/m²/h"}};

// Every unit known, the model's unit of each quantity first among those of its quantity.
inline constexpr const Unit* KnownUnits[] = {&Fahrenheit, &Celsius, &Percent, &Mph, &Kmh, &MetresPerSecond, &Knots,
                                             &LbPerFt2Hr, &KgPerM2Hr};
constexpr std::span<const Unit* const> Known()
{
    return KnownUnits;
}
const Unit& ModelUnit(Quantity quantity);
// The unit of `quantity` that `spelling` names ("°C", "C", "degC", "km/h", "m/s", "kn"),
// ignoring case and blanks; none when no unit of that quantity is spelled so.
const Unit* Find(Quantity quantity, std::string_view spelling);
// A value in one unit in another of the same quantity; unchanged when they are the same.
double Convert(double value, const Unit& from, const Unit& to);

// The wind a forecast gives 10 m above ground brought to about 0.5 m above the slab, as
// the nomograph wants it, by the 1/7 power law of the wind profile: (0.5 / 10)^(1/7).
inline const double ForecastWindHeightFactor = std::pow(0.5 / 10.0, 1.0 / 7.0);

}  // namespace Units
