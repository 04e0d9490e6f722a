#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "calc/Calculation.h"
#include "calc/PourWindow.h"
#include "outlook/Forecast.h"
#include "outlook/HourlyReading.h"

// The outlook's hours computed by the calculator's own core, and the safe pour windows
// found in them.

// What a source without a concrete temperature (a forecast, most weather files) is
// given: the expected placing temperature, or the air temperature plus an offset.
struct ConcreteRule {
    enum class Kind { Constant, AirPlusOffset };
    Kind kind = Kind::AirPlusOffset;
    double value = 0;  // the temperature, or the offset, in the outlook's units

    // The rule as a record keeps it: "air + 0.0 °F", "30.0 °C".
    QString Words(UnitSystem units) const;
};

// Whether the sun shone on the slab in the hours, as the user says. Recorded and printed
// with them, it changes no rate: no published model of the sun's effect yet agrees with
// measured evaporation well enough.
enum class SunOnSlab { Sunny, Shaded, Unknown };
inline constexpr SunOnSlab AllSunOnSlab[] = {SunOnSlab::Sunny, SunOnSlab::Shaded, SunOnSlab::Unknown};
// "sunny", "shaded", "unknown".
QString SunWords(SunOnSlab sun);

// The main window's choices the hours are computed with, the concrete rule, which hours
// count as safe, and the sun on the slab.
struct OutlookSettings {
    UnitSystem units = UnitSystem::US;
    ThresholdChoice choice = ThresholdChoice::Default;
    std::string alternateText;
    ConcreteRule concrete;
    SafeCriterion safeHours = SafeCriterion::BelowThreshold;
    SunOnSlab sun = SunOnSlab::Unknown;

    // A request for one hour's readings with these choices, without the scenario tables.
    CalculationRequest Request(Readings readings) const
    {
        return {.readings = std::move(readings), .units = units, .choice = choice, .alternateText = alternateText,
                .scenarios = false};
    }
    std::string thresholdText() const { return Request({}).thresholdText(); }
};

struct OutlookHour {
    HourlyReading reading;
    Readings used;           // the readings computed with: the concrete rule's where the source had none
    Calculation result;      // valid when the hour could be computed
    QString problem;         // why not: the source's problem or the core's
    bool concreteAssumed = false;  // the concrete temperature is the rule's, not the source's
    // Whether a slab can be placed in this hour, by the criterion chosen.
    bool safe = false;
    // The equation's rate within its ±40 % band lies on both sides of the threshold in force.
    bool borderline = false;
    // Above the threshold in force: the concrete temperature that brings the rate down to it,
    // the other readings held, in the units shown; none where no temperature in range does.
    std::optional<float> concreteAtMost;

    bool windAssumed() const { return reading.windFactor.has_value(); }
    bool above() const { return result.valid && result.precaution == Precaution::Shall; }
};

// The hours' rates and messages (the scenario tables are the main window's business).
OutlookHour EvaluateHour(const HourlyReading& reading, const OutlookSettings& settings);
std::vector<OutlookHour> Evaluate(const std::vector<HourlyReading>& readings, const OutlookSettings& settings);

// The windows among the hours that end after the instant `notBefore` (all when invalid),
// hour after hour by their instants; an hour that cannot be computed ends a window.
PourWindow::Found FindWindows(const std::vector<OutlookHour>& hours, int minimumHours, const QDateTime& notBefore);

// The windows in words: "Longest safe window: Tue 8 Dec 06:00 to 13:00, 7 h, 2 borderline
// hours. ...", found among the hours from `notBefore` on (all when invalid), in the site's
// time, its zone named where it is not the computer's.
QString DescribeWindows(const std::vector<OutlookHour>& hours, const PourWindow::Found& found, int minimumHours,
                        const QDateTime& notBefore = {},
                        SafeCriterion criterion = SafeCriterion::BelowThreshold);

// A forecast's hours as readings in the outlook's units, the wind brought to the
// surface by `heightFactor` (Units::ForecastWindHeightFactor, or 1 to leave it as
// forecast); the concrete temperature is left to the rule. An hour without a forecast
// value keeps its time and the values it has, marked with what it lacks.
std::vector<HourlyReading> ReadingsFromForecast(const Forecast::Answer& answer, UnitSystem units,
                                                double heightFactor);
