#pragma once

// The four site readings as the calculation holds them: single precision, in the
// units the window shows (degrees Fahrenheit, percent, mph).
struct InputSet {
    float AirTemp = 0.0f;
    float RelativeHumidity = 0.0f;
    float ConcreteTemp = 0.0f;
    float WindVelocity = 0.0f;
};

// Inclusive valid range of one input; the limits are single precision. Not-a-number
// lies in no range.
struct InputRange {
    float low;
    float up;
    constexpr bool contains(float v) const { return v >= low && v <= up; }
};

namespace InputRanges {
inline constexpr InputRange AirTemp{40.0f, 100.0f};
inline constexpr InputRange RelativeHumidity{0.0f, 100.0f};
inline constexpr InputRange ConcreteTemp{40.0f, 100.0f};
inline constexpr InputRange WindVelocity{0.0f, 25.0f};
}
