#pragma once

#include <QString>

// The values the viewer hands back to the calculator from a saved record.
// Input texts are empty where the record holds none.
struct ReturnedInputs {
    QString AirTemp;
    QString ConcreteTemp;
    QString RH;
    QString WindVelocity;
    bool RateThresholdIsNull = true;   // saved before the threshold was recorded
    double RateThresholdValue = 0.0;   // numeric reading; 0 when null or not a number
    QString RateThresholdText;         // the stored value as text; empty when null
};

enum class ThresholdOption { Default, Alternate };

// A record without a threshold, or with the default 0.2 (compared at single
// precision, as the threshold is a single-precision rate), restores the default
// choice; any other threshold is restored as the alternate rate, by its text.
inline ThresholdOption ThresholdOptionFor(const ReturnedInputs& inputs)
{
    if (inputs.RateThresholdIsNull || static_cast<float>(inputs.RateThresholdValue) == 0.2f)
        return ThresholdOption::Default;
    return ThresholdOption::Alternate;
}
