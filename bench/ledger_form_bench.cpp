#include "calc/date.h"
#include "calc/rates_in_force.h"
#include "forms/ledger_form.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// What the window asks of the form at every key typed into a list of
// `rows` payments: the ledger, and the faults beside the list.
void LedgerFormRecalculation(benchmark::State& state)
{
    tarvel::LedgerForm form;
    const auto rows = static_cast<std::size_t>(state.range(0));
    for (std::size_t row = 0; row < rows; ++row) {
        form.Insert(row, {{"01/06/2025", "pagamento", "0,01", std::to_string(row)}, ""});
    }
    tarvel::CalculationFields fields;
    fields.capital = tarvel::Currency::fromTicks(1'000'000 * tarvel::Currency::kScale);
    fields.start = tarvel::Date::fromCivil(2025, 1, 1);
    fields.end = tarvel::Date::fromCivil(2025, 12, 31);
    fields.legalRates = &tarvel::RatesInForce();
    for (auto _ : state) {
        form.Calculate(fields);
        benchmark::DoNotOptimize(form.Faults());
    }
}

} // namespace

BENCHMARK(LedgerFormRecalculation)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
