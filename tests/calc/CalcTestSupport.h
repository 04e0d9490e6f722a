#pragma once

#include <cmath>
#include <string>

#include <gtest/gtest.h>

// Agreement to `digits` significant digits: the difference is at most half a unit
// in the last of those digits.
inline ::testing::AssertionResult AgreesToDigits(double actual, double expected, int digits = 6,
                                                 double unitsAllowed = 0.5)
{
    const double magnitude = std::floor(std::log10(std::fabs(expected)));
    const double allowed = unitsAllowed * std::pow(10.0, magnitude - (digits - 1));
    if (std::fabs(actual - expected) <= allowed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << actual << " differs from " << expected << " in the first " << digits << " digits";
}

// Row names for table-driven tests: letters, digits and underscores only.
inline std::string RowName(const std::string& label)
{
    std::string name;
    for (char c : label)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}
