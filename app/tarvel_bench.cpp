#include "calculate_interest.h"

#include <benchmark/benchmark.h>

namespace {

// A full calculation with every text it writes: the 15-year span touches nine
// rate periods.
void CalculateInterest(benchmark::State& state)
{
    const tarvel::CalculationInput input{"10000", "01 / 01 / 2000", "01 / 01 / 2015"};
    for (auto _ : state) {
        auto result = tarvel::CalculateInterest(input);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(CalculateInterest);

void CalculateInterestFailure(benchmark::State& state)
{
    const tarvel::CalculationInput input{"10000", "01 / 01 / 2015", "01 / 01 / 2000"};
    for (auto _ : state) {
        auto result = tarvel::CalculateInterest(input);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(CalculateInterestFailure);

} // namespace

BENCHMARK_MAIN();
