#include "calc/ScenarioSolver.h"

#include <cfloat>
#include <cmath>
#include <optional>

#include "calc/NumberWriting.h"

namespace {

// The closed forms solve the equation rate = (Tc^2.5 - RH/100 * Ta^2.5) * (1 + 0.4 V) * 10^-6
// for one input. Each step goes through these guards so that a failure (a zero divisor,
// a negative base under the root, an overflow) ends that row only, as no value.
using Step = std::optional<double>;

constexpr double kExponent = 2.5;
constexpr double kRootExponent = 1.0 / 2.5;
constexpr double kWindCoefficient = 0.4;
constexpr float kPercent = 100.0f;

Step Finite(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

Step Divide(Step numerator, Step divisor)
{
    if (!numerator || !divisor || *divisor == 0.0)
        return std::nullopt;
    return Finite(*numerator / *divisor);
}

Step Power(double base, double exponent)
{
    if (base < 0.0)
        return std::nullopt;
    return Finite(std::pow(base, exponent));
}

Step Root(Step base)
{
    if (!base)
        return std::nullopt;
    return Power(*base, kRootExponent);
}

Step Minus(Step a, Step b)
{
    if (!a || !b)
        return std::nullopt;
    return Finite(*a - *b);
}

struct Terms {
    Step rate;           // the threshold r
    Step required;       // S = r / (10^-6 * (1 + 0.4 V))
    Step concretePower;  // Tc^2.5
    Step airPower;       // Ta^2.5
    double humidity;     // RH / 100
};

Terms FormTerms(const InputSet& in, float threshold)
{
    Terms t;
    t.rate = Finite(threshold);
    const double windFactor = in.WindVelocity * kWindCoefficient + 1.0;
    t.required = Divide(t.rate, Finite(std::pow(10.0, -6.0) * windFactor));
    t.concretePower = Power(in.ConcreteTemp, kExponent);
    t.airPower = Power(in.AirTemp, kExponent);
    t.humidity = static_cast<double>(in.RelativeHumidity) / kPercent;
    return t;
}

Step SolveAirTemp(const Terms& t)
{
    return Root(Divide(Minus(t.required, t.concretePower), Finite(-t.humidity)));
}

Step SolveRelativeHumidity(const Terms& t)
{
    const Step ratio = Divide(Minus(t.required, t.concretePower), t.airPower);
    if (!ratio)
        return std::nullopt;
    return Finite(*ratio * -100.0);
}

Step SolveConcreteTemp(const Terms& t)
{
    if (!t.airPower || !t.required)
        return std::nullopt;
    return Root(Finite(*t.airPower * t.humidity + *t.required));
}

Step SolveWindVelocity(const Terms& t)
{
    if (!t.airPower)
        return std::nullopt;
    const Step difference = Minus(t.concretePower, Finite(*t.airPower * t.humidity));
    if (!difference)
        return std::nullopt;
    const Step quotient = Divide(t.rate, Finite(std::pow(10.0, -6.0) * *difference));
    if (!quotient)
        return std::nullopt;
    return Finite((*quotient - 1.0) / kWindCoefficient);
}

ScenarioOutcome Outcome(Step solved, InputRange limits)
{
    ScenarioOutcome outcome;
    if (!solved || std::fabs(*solved) > FLT_MAX) {
        outcome.failed = true;
        return outcome;
    }
    outcome.value = static_cast<float>(*solved);
    outcome.outsideLimits = !limits.contains(outcome.value);
    return outcome;
}

}  // namespace

std::string ScenarioOutcome::text() const
{
    return failed ? std::string("#Num!") : NumberFormat::ScenarioValue(value);
}

std::array<ScenarioOutcome, 4> SolveScenarios(const InputSet& inputs, float threshold)
{
    const Terms terms = FormTerms(inputs, threshold);
    return {Outcome(SolveAirTemp(terms), InputRanges::AirTemp),
            Outcome(SolveRelativeHumidity(terms), InputRanges::RelativeHumidity),
            Outcome(SolveConcreteTemp(terms), InputRanges::ConcreteTemp),
            Outcome(SolveWindVelocity(terms), InputRanges::WindVelocity)};
}
