#pragma once

// How sure the equation's rate is: measured evaporation differs from it by up to 40 % either
// way, so a rate is better read as a band around it.

// The spread of measured rates about the equation's, as a fraction of the rate.
inline constexpr double EquationSpread = 0.40;

struct RateBand {
    double low;
    double high;
};

// The band around a rate, in the rate's own unit.
constexpr RateBand BandAround(double rate)
{
    return {rate * (1.0 - EquationSpread), rate * (1.0 + EquationSpread)};
}

// A rate is borderline when its band holds rates on both sides of the threshold in force:
// one at or below it (no measures needed) and one above it (measures needed), that is
//     rate × 0.6 <= threshold < rate × 1.4.
// A rate of 0 has no band and is never borderline.
constexpr bool IsBorderline(double rate, double threshold)
{
    const RateBand band = BandAround(rate);
    return band.low <= threshold && threshold < band.high;
}
