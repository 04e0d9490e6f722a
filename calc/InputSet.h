#pragma once

#include <array>
#include <cmath>

#include "calc/Units.h"

// The four site readings as the calculation holds them: single precision, in the
// units of one system (degrees, percent, wind velocity).
struct InputSet {
    float AirTemp = 0.0f;
    float RelativeHumidity = 0.0f;
    float ConcreteTemp = 0.0f;
    float WindVelocity = 0.0f;
};

// The readings in the order of the window's rows, of the scenario tables' rows and
// columns, and of every list of four inputs.
enum class Input { AirTemp, RelativeHumidity, ConcreteTemp, WindVelocity };
inline constexpr std::array<Input, 4> AllInputs{Input::AirTemp, Input::RelativeHumidity, Input::ConcreteTemp,
                                                Input::WindVelocity};

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

// Inclusive valid range of one input; the limits are single precision. Not-a-number
// lies in no range.
struct InputRange {
    float low;
    float up;
    constexpr bool contains(float v) const { return v >= low && v <= up; }
    // The whole units a scroll bar moves through inside the range.
    int firstWhole() const { return static_cast<int>(std::ceil(low)); }
    int lastWhole() const { return static_cast<int>(std::floor(up)); }
};

// The valid ranges, in the units of each system. The SI ranges are those of the
// model (40-100 degrees F, 0-25 mph) rounded to one decimal.
constexpr InputRange RangeOf(Input input, UnitSystem units)
{
    const bool si = units == UnitSystem::SI;
    switch (input) {
    case Input::AirTemp:
    case Input::ConcreteTemp: return si ? InputRange{4.4f, 37.8f} : InputRange{40.0f, 100.0f};
    case Input::RelativeHumidity: return {0.0f, 100.0f};
    case Input::WindVelocity: break;
    }
    return si ? InputRange{0.0f, 40.2f} : InputRange{0.0f, 25.0f};
}

// The ranges of the model's own units.
namespace InputRanges {
inline constexpr InputRange AirTemp = RangeOf(Input::AirTemp, UnitSystem::US);
inline constexpr InputRange RelativeHumidity = RangeOf(Input::RelativeHumidity, UnitSystem::US);
inline constexpr InputRange ConcreteTemp = RangeOf(Input::ConcreteTemp, UnitSystem::US);
inline constexpr InputRange WindVelocity = RangeOf(Input::WindVelocity, UnitSystem::US);
}
