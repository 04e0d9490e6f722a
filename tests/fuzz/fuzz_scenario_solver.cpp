// The scenario solver on the readings of any texts (so also infinities, subnormals and
// values far outside the ranges), with the threshold read from text as the window does.
// For every input set:
// - each cell is "#Num!" exactly when its row failed, and otherwise the found value
//   with one decimal, which reads back within 0.05 of the value; the outside-limits
//   mark is set exactly when the value lies outside its input's range.
// For a valid input set and a finite threshold:
// - a found value, put back into the equation in place of its input, gives the
//   threshold (within the single-precision rounding of the value);
// - with a threshold from 0 to 10 the rows fail only where no value exists: the
//   humidity and concrete-temperature rows always find one, the wind-velocity row
//   whenever the humidity term does not cancel the concrete term, and the
//   air-temperature row exactly when the humidity is not 0 and the concrete alone
//   (with the air at 0) would reach the threshold.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/InputSet.h"
#include "calc/NumberReading.h"
#include "calc/ScenarioSolver.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using Fuzz::Quoted;
using Fuzz::Require;
using Fuzz::Show;

constexpr std::array<InputRange, 4> kRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                            InputRanges::ConcreteTemp, InputRanges::WindVelocity};
constexpr std::array<const char*, 4> kRowNames{"air temperature", "relative humidity", "concrete temperature",
                                               "wind velocity"};

// The input is text, one item a line: the four inputs, then the threshold. Missing
// lines read as 0.
struct ScenarioInput {
    std::array<float, 4> inputs{};
    float threshold = 0.0f;
};

ScenarioInput ParseInput(std::string_view data)
{
    std::array<float, 5> read{};
    for (float& value : read) {
        const std::size_t end = std::min(data.find('\n'), data.size());
        value = ToSingle(ReadNumber(data.substr(0, end)));
        data.remove_prefix(std::min(end + 1, data.size()));
    }
    ScenarioInput input;
    std::copy(read.begin(), read.begin() + 4, input.inputs.begin());
    input.threshold = read[4];
    return input;
}

InputSet AsInputSet(const std::array<float, 4>& v) { return {v[0], v[1], v[2], v[3]}; }

std::string Describe(const ScenarioInput& in)
{
    return "inputs " + Show(in.inputs[0]) + ", " + Show(in.inputs[1]) + ", " + Show(in.inputs[2]) + ", "
        + Show(in.inputs[3]) + ", threshold " + Show(in.threshold);
}

// The equation in double precision, and the size of its terms for judging a match.
struct EquationValue {
    double rate;
    double scale;
};

EquationValue Equation(const std::array<double, 4>& in)
{
    const double concrete = std::pow(in[2], 2.5);
    const double air = in[1] / 100.0 * std::pow(in[0], 2.5);
    return {(concrete - air) * (1.0 + 0.4 * in[3]) * 1e-6,
            (std::fabs(concrete) + std::fabs(air)) * (1.0 + 0.4 * std::fabs(in[3])) * 1e-6};
}

void CheckCell(const ScenarioOutcome& outcome, std::size_t row, const ScenarioInput& in)
{
    const std::string text = outcome.text();
    const auto describe = [&] {
        return Describe(in) + ": " + kRowNames[row] + " cell " + Quoted(text) + " for " + Show(outcome.value);
    };
    if (outcome.failed) {
        Require(text == "#Num!", "a failed row shows #Num!", describe);
        return;
    }
    Require(std::isfinite(outcome.value) && Fuzz::HasFixedShape(text, 1, 1),
            "a found value is a number with one decimal", describe);
    Require(std::fabs(ReadNumber(text) - outcome.value) <= Fuzz::FixedTolerance(outcome.value, 1),
            "a found value's cell reads back within 0.05", describe);
    Require(outcome.outsideLimits == !kRanges[row].contains(outcome.value),
            "a found value is marked exactly when outside its input's limits", describe);
}

void CheckBackSubstitution(const ScenarioOutcome& outcome, std::size_t row, const ScenarioInput& in)
{
    if (outcome.failed)
        return;
    std::array<double, 4> substituted{};
    std::copy(in.inputs.begin(), in.inputs.end(), substituted.begin());
    substituted[row] = outcome.value;
    const EquationValue reached = Equation(substituted);
    Require(std::fabs(reached.rate - in.threshold) <= 1e-5 * reached.scale + 1e-9,
            "a found value brings the equation to the threshold", [&] {
                return Describe(in) + ": " + kRowNames[row] + " " + Show(outcome.value) + " gives the rate "
                    + Show(reached.rate);
            });
}

void CheckFailuresAreGenuine(const std::array<ScenarioOutcome, 4>& outcomes, const ScenarioInput& in)
{
    if (!(in.threshold >= 0.0f && in.threshold <= 10.0f))
        return;
    const double airTemp = in.inputs[0];
    const double humidity = in.inputs[1] / 100.0;
    const double concreteTerm = std::pow(in.inputs[2], 2.5);
    const double windFactor = 1.0 + 0.4 * in.inputs[3];
    const double humidityTerm = humidity * std::pow(airTemp, 2.5);
    const auto describe = [&](std::size_t row) {
        return [&, row] {
            return Describe(in) + ": " + kRowNames[row] + (outcomes[row].failed ? " failed" : " found");
        };
    };

    Require(!outcomes[1].failed, "the humidity row always finds a value", describe(1));
    Require(!outcomes[2].failed, "the concrete-temperature row always finds a value", describe(2));
    if (std::fabs(concreteTerm - humidityTerm) > 1e-3)
        Require(!outcomes[3].failed, "the wind row finds a value unless the humidity term cancels the concrete term",
                describe(3));
    if (in.inputs[1] == 0.0f) {
        Require(outcomes[0].failed, "with no humidity the air temperature makes no difference", describe(0));
        return;
    }
    // The air at 0 degrees leaves the concrete term alone: the highest rate any air
    // temperature gives. A threshold clearly below it is reached, one clearly above is not.
    const double highestRate = concreteTerm * windFactor * 1e-6;
    if (in.threshold < highestRate * (1.0 - 1e-5))
        Require(!outcomes[0].failed, "the air-temperature row finds a reachable threshold", describe(0));
    if (in.threshold > highestRate * (1.0 + 1e-5))
        Require(outcomes[0].failed, "the air-temperature row fails for an unreachable threshold", describe(0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ScenarioInput in = ParseInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::array<ScenarioOutcome, 4> outcomes = SolveScenarios(AsInputSet(in.inputs), in.threshold);
    for (std::size_t row = 0; row < outcomes.size(); ++row)
        CheckCell(outcomes[row], row, in);

    bool valid = true;
    for (std::size_t i = 0; i < in.inputs.size(); ++i)
        valid = valid && kRanges[i].contains(in.inputs[i]);
    if (!valid || !std::isfinite(in.threshold))
        return 0;
    for (std::size_t row = 0; row < outcomes.size(); ++row)
        CheckBackSubstitution(outcomes[row], row, in);
    CheckFailuresAreGenuine(outcomes, in);
    return 0;
}
