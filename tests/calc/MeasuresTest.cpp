#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "calc/ConcreteAtMost.h"
#include "calc/Measures.h"
#include "calc/RateBand.h"

namespace {

// The closed form of the ACI equation solved for the concrete temperature, in degrees F.
double ClosedFormConcrete(double air, double humidity, double wind, double rateLbFt2Hr)
{
    return std::pow(humidity / 100 * std::pow(air, 2.5) + rateLbFt2Hr / (1e-6 * (1 + 0.4 * wind)), 0.4);
}

// The rate at which the equation reaches a concrete temperature in dry air, 70 °F, 10 mph.
double DryAirRate(double concreteF)
{
    return std::pow(concreteF, 2.5) * 5e-6;
}

constexpr double KgPerLb = 4.882428;  // kg/m²/hr in a lb/ft²/hr
double Celsius(double f) { return (f - 32) * 5 / 9; }
double Fahrenheit(double c) { return c * 9 / 5 + 32; }

TEST(ConcreteAtMost, IsTheClosedFormSolutionInsideTheRangeAndNoneOutside)
{
    const struct {
        const char* name;
        InputSet model;  // °F, %, °F, mph
        double threshold;  // in the system's rate unit
        UnitSystem units;
        std::optional<double> expected;  // in the system's temperature unit
    } cases[] = {
        {"80/50/90/10 at 0.2", {80, 50, 90, 10}, 0.2, UnitSystem::US, ClosedFormConcrete(80, 50, 10, 0.2)},
        {"70/30/85/4 at 0.1", {70, 30, 85, 4}, 0.1, UnitSystem::US, ClosedFormConcrete(70, 30, 4, 0.1)},
        {"80/50/90/10 at 1.0 kg", {80, 50, 90, 10}, 1.0, UnitSystem::SI,
         Celsius(ClosedFormConcrete(80, 50, 10, 1.0 / KgPerLb))},
        {"just inside 40 °F", {70, 0, 70, 10}, DryAirRate(40.05), UnitSystem::US, 40.05},
        {"just below 40 °F", {70, 0, 70, 10}, DryAirRate(39.95), UnitSystem::US, std::nullopt},
        {"just inside 100 °F", {70, 0, 70, 10}, DryAirRate(99.95), UnitSystem::US, 99.95},
        {"just above 100 °F", {70, 0, 70, 10}, DryAirRate(100.05), UnitSystem::US, std::nullopt},
        {"just inside 4.4 °C", {70, 0, 70, 10}, DryAirRate(Fahrenheit(4.45)) * KgPerLb, UnitSystem::SI, 4.45},
        {"just below 4.4 °C", {70, 0, 70, 10}, DryAirRate(Fahrenheit(4.35)) * KgPerLb, UnitSystem::SI,
         std::nullopt},
        {"just inside 37.8 °C", {70, 0, 70, 10}, DryAirRate(Fahrenheit(37.75)) * KgPerLb, UnitSystem::SI, 37.75},
        {"just above 37.8 °C", {70, 0, 70, 10}, DryAirRate(Fahrenheit(37.85)) * KgPerLb, UnitSystem::SI,
         std::nullopt},
        {"a negative threshold", {80, 0, 90, 10}, -1.0, UnitSystem::US, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<float> found = ConcreteAtMost(c.model, static_cast<float>(c.threshold), c.units);
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_NEAR(*found, *c.expected, 0.005);
        }
    }
}

TEST(ConcreteAtMost, HeadsTheMeasuresRoundedDownWhenTheRateIsAboveTheThresholdInForce)
{
    const struct {
        const char* name;
        CalculationRequest request;
        std::string line;
    } cases[] = {
        {"above 0.2 lb/ft²/hr (86.02 °F)", {.readings = {"80", "50", "90", "10"}},
         "Cool the concrete to 86 °F or below"},
        {"above 1.0 kg/m²/hr (30.48 °C)", {.readings = {"27", "50", "32", "16"}, .units = UnitSystem::SI},
         "Cool the concrete to 30 °C or below"},
        {"may be needed", {.readings = {"80", "50", "85", "10"}}, ""},
        {"OK", {.readings = {"70", "70", "70", "5"}}, ""},
        {"invalid", {.readings = {"70", "70", "", "5"}}, ""},
        {"out of reach", {.readings = {"40", "0", "100", "25"}, .choice = ThresholdChoice::Alternate,
                          .alternateText = ".01"},
         "No concrete temperature from 40 to 100 °F brings the rate down to the threshold: take the other measures"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Measures::CoolToLine(Calculate(c.request)), c.line);
    }
}

// Borderline exactly when rate × 0.6 <= threshold < rate × 1.4; 0.25 and its band ends are exact.
TEST(RateBand, AnHourIsBorderlineWhenItsBandHoldsTheThreshold)
{
    const struct {
        double rate;
        double threshold;
        bool borderline;
    } cases[] = {
        {0.25, 0.1499, false}, {0.25, 0.15, true}, {0.25, 0.2, true}, {0.25, 0.3499, true},
        {0.25, 0.35, false},   {0.0, 0.0, false},  {0.0, 0.2, false}, {0.25, -0.1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsBorderline(c.rate, c.threshold), c.borderline) << c.rate << " against " << c.threshold;
    EXPECT_DOUBLE_EQ(BandAround(0.25).low, 0.15);
    EXPECT_DOUBLE_EQ(BandAround(0.25).high, 0.35);
}

}  // namespace
