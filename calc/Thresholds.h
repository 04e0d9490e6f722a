#pragma once

#include "calc/UnitSystems.h"

// Whether a stored threshold (single precision, in the record's own system; absent
// in records saved before thresholds were kept) is that system's default.
constexpr bool IsDefaultThreshold(bool stored, float value, UnitSystem units)
{
    return !stored || value == static_cast<float>(ThresholdsOf(units).shall);
}
