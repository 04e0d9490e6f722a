#include <benchmark/benchmark.h>

#include "calc/Calculation.h"

namespace {

// One recalculation without the window: read and check the four boxes, run the
// nomograph and the equation with their captions, and solve the three scenario tables.
void CalculationRunWithScenarios(benchmark::State& state)
{
    const CalculationRequest request{.readings = {"80", "50", "90", "10"}};
    for (auto _ : state) {
        Calculation c = Calculate(request);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(CalculationRunWithScenarios);

}  // namespace
