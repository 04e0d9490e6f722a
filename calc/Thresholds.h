#pragma once

#include <string_view>

#include "calc/Units.h"

// The precaution thresholds of each unit system: from `may` on measures may be needed,
// above `shall` they shall be taken. `shall` is the default threshold in force; the
// alternate threshold a user may type starts at `alternateStart`. The SI values are
// those SI codes publish beside 0.1 and 0.2 lb/ft2/hr.
struct ThresholdPolicy {
    double may;
    double shall;
    std::string_view mayText;          // as the tables' rate column shows them
    std::string_view shallText;
    std::string_view mayTitle;         // as the tables' titles write them
    std::string_view shallTitle;
    std::string_view alternateStart;   // the alternate box's text at start-up
};

constexpr ThresholdPolicy ThresholdsOf(UnitSystem units)
{
    if (units == UnitSystem::SI)
        return {0.5, 1.0, "0.5", "1.0", "0.5", "1.0", "0.25"};
    return {0.1, 0.2, "0.1", "0.2", ".1", ".2", "0.05"};
}

// Whether a stored threshold (single precision, in the record's own system; absent
// in records saved before thresholds were kept) is that system's default.
constexpr bool IsDefaultThreshold(bool stored, float value, UnitSystem units)
{
    return !stored || value == static_cast<float>(ThresholdsOf(units).shall);
}
