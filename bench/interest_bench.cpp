#include "calc/calculate_interest.h"
#include "calc/rates_in_force.h"

#include <benchmark/benchmark.h>

namespace {

void CalculateInterest(benchmark::State& state, tarvel::CalculationInput input)
{
    for (auto _ : state) {
        auto result = tarvel::CalculateInterest(input);
        benchmark::DoNotOptimize(result);
    }
}

void CalculateInterestInForce(benchmark::State& state, tarvel::CalculationInput input)
{
    const auto table = tarvel::RatesInForce().periods();
    for (auto _ : state) {
        auto result = tarvel::CalculateInterest(input, table);
        benchmark::DoNotOptimize(result);
    }
}

} // namespace

// A full calculation with every text it writes: the 15-year span touches nine
// rate periods. The reversed span fails after writing its totals.
BENCHMARK_CAPTURE(CalculateInterest, fifteen_years, {"10000", "01 / 01 / 2000", "01 / 01 / 2015"});
BENCHMARK_CAPTURE(CalculateInterest, end_before_start, {"10000", "01 / 01 / 2015", "01 / 01 / 2000"});
// The same with the rates in force, which has twice as many rows.
BENCHMARK_CAPTURE(CalculateInterestInForce, fifteen_years, {"10000", "01 / 01 / 2000", "01 / 01 / 2015"});
BENCHMARK_CAPTURE(CalculateInterestInForce, eleven_years_of_decrees, {"10000", "01 / 01 / 2015", "01 / 01 / 2026"});

BENCHMARK_MAIN();
