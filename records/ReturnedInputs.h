#pragma once

#include <QString>

#include "calc/Readings.h"
#include "calc/Thresholds.h"
#include "calc/Units.h"

// The values the viewer hands back to the calculator from a saved record, in the
// record's own unit system. Input texts are empty where the record holds none.
struct ReturnedInputs {
    Readings readings;
    bool RateThresholdIsNull = true;   // saved before the threshold was recorded
    double RateThresholdValue = 0.0;   // numeric reading; 0 when null or not a number
    QString RateThresholdText;         // the stored value as text; empty when null
    UnitSystem Units = UnitSystem::US;
};

enum class ThresholdOption { Default, Alternate };

// A record without a threshold, or with its system's default (compared at single
// precision, as the threshold is a single-precision rate), restores the default
// choice; any other threshold is restored as the alternate rate.
inline ThresholdOption ThresholdOptionFor(const ReturnedInputs& inputs)
{
    return IsDefaultThreshold(!inputs.RateThresholdIsNull, static_cast<float>(inputs.RateThresholdValue),
                              inputs.Units)
               ? ThresholdOption::Default
               : ThresholdOption::Alternate;
}
