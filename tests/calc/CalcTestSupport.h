#pragma once

#include <cmath>

#include <gtest/gtest.h>

// Agreement to `digits` significant digits: the difference is at most half a unit
// (or `unitsAllowed` units) in the last of those digits.
inline ::testing::AssertionResult AgreesToDigits(double actual, double expected, int digits = 6,
                                                 double unitsAllowed = 0.5)
{
    const double magnitude = std::floor(std::log10(std::fabs(expected)));
    if (std::fabs(actual - expected) <= unitsAllowed * std::pow(10.0, magnitude - (digits - 1)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << actual << " differs from " << expected << " in the first " << digits << " digits";
}
