#pragma once

#include "calc/Readings.h"
#include "calc/UnitSystems.h"

// The four site readings as the calculation holds them: single precision, in the
// units of one system (degrees, percent, wind velocity).
struct InputSet {
    float AirTemp = 0.0f;
    float RelativeHumidity = 0.0f;
    float ConcreteTemp = 0.0f;
    float WindVelocity = 0.0f;
};

constexpr float ValueOf(const InputSet& inputs, Input input)
{
    switch (input) {
    case Input::AirTemp: return inputs.AirTemp;
    case Input::RelativeHumidity: return inputs.RelativeHumidity;
    case Input::ConcreteTemp: return inputs.ConcreteTemp;
    case Input::WindVelocity: break;
    }
    return inputs.WindVelocity;
}

// The ranges of the model's own units.
namespace InputRanges {
inline constexpr InputRange AirTemp = RangeOf(Input::AirTemp, UnitSystem::US);
inline constexpr InputRange RelativeHumidity = RangeOf(Input::RelativeHumidity, UnitSystem::US);
inline constexpr InputRange ConcreteTemp = RangeOf(Input::ConcreteTemp, UnitSystem::US);
inline constexpr InputRange WindVelocity = RangeOf(Input::WindVelocity, UnitSystem::US);
}
