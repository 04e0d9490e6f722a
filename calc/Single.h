#pragma once

#include <cmath>
#include <limits>

// Rounds a double to single precision the way the hardware does, including for
// magnitudes beyond the single range (which become infinities), without the
// undefined behaviour that a plain cast has there.
inline float ToSingle(double v)
{
    // Halfway between FLT_MAX and the next power of two: from here on the
    // rounding goes to infinity.
    constexpr double overflowEdge = 0x1.ffffffp127;
    if (v >= overflowEdge)
        return std::numeric_limits<float>::infinity();
    if (v <= -overflowEdge)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}
