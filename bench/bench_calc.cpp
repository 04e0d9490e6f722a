#include <benchmark/benchmark.h>

#include "calc/NomographRun.h"
#include "calc/NumberReading.h"
#include "calc/ScenarioSolver.h"

namespace {

// One recalculation without the window: read and check the four boxes, run the
// nomograph and the equation with their captions, and solve the three scenario tables.
void CalculationRunWithScenarios(benchmark::State& state)
{
    const InputTexts texts{"80", "50", "90", "10"};
    const std::string thresholdText = "0.2";
    for (auto _ : state) {
        InputSet inputs;
        const bool valid = GoodInputs(texts, inputs);
        RunCaptions run = CalculateRun(inputs, ThresholdChoice::Default, thresholdText);
        auto at01 = SolveScenarios(inputs, 0.1f);
        auto at02 = SolveScenarios(inputs, 0.2f);
        auto inForce = SolveScenarios(inputs, static_cast<float>(ReadNumber(thresholdText)));
        benchmark::DoNotOptimize(valid);
        benchmark::DoNotOptimize(run);
        benchmark::DoNotOptimize(at01);
        benchmark::DoNotOptimize(at02);
        benchmark::DoNotOptimize(inForce);
    }
}
BENCHMARK(CalculationRunWithScenarios);

}  // namespace
