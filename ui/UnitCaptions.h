#pragma once

#include <QString>

#include "calc/InputSet.h"
#include "calc/Units.h"

// The window's texts that name a unit, in the system shown. In US customary units
// they are the window's design texts.
namespace UnitCaptions {

QString Unit(std::string_view unit);
QString TemperatureUnit(UnitSystem units);
QString WindUnit(UnitSystem units);
QString RateUnit(UnitSystem units);

// "Air Temperature (°F)", "Relative Humidity (%)", "Concrete Temperature (°F)", "Wind Velocity (mph)".
QString InputCaption(Input input, UnitSystem units);
// The unit after an input's value: "°F", "%", "mph".
QString InputUnit(Input input, UnitSystem units);
// A range limit as the limit labels show it: "40", "4.4".
QString Limit(float limit);

// "Rate of Evaporation (lb/ft²/hr)".
QString RateFrameTitle(UnitSystem units);
// Scenario column headings: "Ta (°F)", "RH (%)", "Tc (°F)", "V (mph)", then "Evap (lb/ft²/hr)".
QString ScenarioHeading(Input input, UnitSystem units);
QString ScenarioRateHeading(UnitSystem units);
// "Variation Scenarios to Get Evaporation Rate of " + rate + " " + unit.
QString ScenarioTitle(const QString& rate, UnitSystem units);
// "Use default rate of 0.2 lb/ft²/hr".
QString DefaultRateOption(UnitSystem units);
// The equation line at the window's foot.
QString Equation(UnitSystem units);

}  // namespace UnitCaptions
