// The scenario solver on the readings of any texts: each cell shows its value or #Num!,
// marked exactly when outside its limits; for a valid set each found value brings the
// equation to the threshold, and a row fails only where no value exists. Input: one item
// a line, the four inputs, then the threshold; missing lines read as 0.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/NumberReading.h"
#include "calc/ScenarioSolver.h"
#include "calc/Single.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace Fuzz;

constexpr std::array<const char*, 4> kRowNames{"air temperature", "relative humidity", "concrete temperature",
                                               "wind velocity"};

void CheckCell(const ScenarioOutcome& outcome, std::size_t row, const std::string& context)
{
    const std::string text = outcome.text();
    const std::string detail =
        context + ": " + kRowNames[row] + " cell " + Quoted(text) + " for " + Show(outcome.value);
    if (outcome.failed) {
        Require(text == "#Num!", "a failed row shows #Num!", detail);
        return;
    }
    Require(std::isfinite(outcome.value) && text == PrintedFixed(outcome.value, 1),
            "a found value is shown as the number with one decimal", detail);
    Require(outcome.outsideLimits == !kRanges[row].contains(outcome.value),
            "a found value is marked exactly when outside its input's limits", detail);
}

void CheckBackSubstitution(const ScenarioOutcome& outcome, std::size_t row, std::array<double, 4> in,
                           float threshold, const std::string& context)
{
    if (outcome.failed)
        return;
    in[row] = outcome.value;
    const EquationValue reached = Equation(in[0], in[1], in[2], in[3]);
    Require(std::fabs(reached.rate - threshold) <= 1e-5 * reached.scale + 1e-9,
            "a found value brings the equation to the threshold",
            context + ": " + kRowNames[row] + " " + Show(outcome.value) + " gives the rate " + Show(reached.rate));
}

void CheckFailuresAreGenuine(const std::array<ScenarioOutcome, 4>& outcomes, const std::array<double, 4>& in,
                             float threshold, const std::string& context)
{
    if (!(threshold >= 0.0f && threshold <= 10.0f))
        return;
    const auto detail = [&](std::size_t row) {
        return context + ": " + kRowNames[row] + (outcomes[row].failed ? " failed" : " found");
    };
    const double concreteTerm = std::pow(in[2], 2.5);
    const double humidityTerm = in[1] / 100.0 * std::pow(in[0], 2.5);

    Require(!outcomes[1].failed, "the humidity row always finds a value", detail(1));
    Require(!outcomes[2].failed, "the concrete-temperature row always finds a value", detail(2));
    if (std::fabs(concreteTerm - humidityTerm) > 1e-3)
        Require(!outcomes[3].failed, "the wind row finds a value unless the humidity term cancels the concrete term",
                detail(3));
    if (in[1] == 0.0) {
        Require(outcomes[0].failed, "with no humidity the air temperature makes no difference", detail(0));
        return;
    }
    // The air at 0 degrees leaves the concrete term alone: the highest rate any air
    // temperature gives. A threshold clearly below it is reached, one clearly above is not.
    const double highestRate = concreteTerm * (1.0 + 0.4 * in[3]) * 1e-6;
    if (threshold < highestRate * (1.0 - 1e-5))
        Require(!outcomes[0].failed, "the air-temperature row finds a reachable threshold", detail(0));
    if (threshold > highestRate * (1.0 + 1e-5))
        Require(outcomes[0].failed, "the air-temperature row fails for an unreachable threshold", detail(0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = Lines<5>(std::string_view(reinterpret_cast<const char*>(data), size));
    std::array<float, 5> read{};
    for (std::size_t i = 0; i < read.size(); ++i)
        read[i] = ToSingle(ReadNumber(lines[i]));
    const InputSet inputs{read[0], read[1], read[2], read[3]};
    const std::array<double, 4> in{read[0], read[1], read[2], read[3]};
    const float threshold = read[4];
    const std::string context = "inputs " + Show(in[0]) + ", " + Show(in[1]) + ", " + Show(in[2]) + ", " + Show(in[3])
        + ", threshold " + Show(threshold);

    const std::array<ScenarioOutcome, 4> outcomes = SolveScenarios(inputs, threshold);
    bool valid = std::isfinite(threshold);
    for (std::size_t row = 0; row < outcomes.size(); ++row) {
        CheckCell(outcomes[row], row, context);
        valid = valid && kRanges[row].contains(read[row]);
    }
    if (!valid)
        return 0;
    for (std::size_t row = 0; row < outcomes.size(); ++row)
        CheckBackSubstitution(outcomes[row], row, in, threshold, context);
    CheckFailuresAreGenuine(outcomes, in, threshold, context);
    return 0;
}
