#pragma once

#include <QString>
#include <string_view>

#include "calc/InputSet.h"
#include "calc/UnitSystems.h"

// The window's texts that name a unit, in the system shown. In US customary units
// they are the window's design texts.
namespace UnitCaptions {

// "°F", "%", "mph", "lb/ft²/hr" in US customary units.
QString Symbol(Quantity quantity, UnitSystem units);
QString InputUnit(Input input, UnitSystem units);

// "Air Temperature (°F)", "Relative Humidity (%)", "Concrete Temperature (°F)", "Wind Velocity (mph)".
QString InputCaption(Input input, UnitSystem units);
// A range limit as the limit labels show it: "40", "4.4".
QString Limit(float limit);

// "Rate of Evaporation (lb/ft²/hr)".
QString RateFrameTitle(UnitSystem units);
// Scenario column headings: "Ta (°F)", "RH (%)", "Tc (°F)", "V (mph)", then "Evap (lb/ft²/hr)".
QString ScenarioHeading(Input input, UnitSystem units);
QString ScenarioRateHeading(UnitSystem units);
// "Use default rate of 0.2 lb/ft²/hr".
QString DefaultRateOption(UnitSystem units);
// A scenario table's title: "Variation Scenarios to Get Evaporation Rate of .2 lb/ft²/hr".
QString ScenarioTitle(std::string_view rate, UnitSystem units);
// The equation line at the window's foot.
QString Equation(UnitSystem units);

}  // namespace UnitCaptions
