#include <benchmark/benchmark.h>

#include <string>

#include "compare/Comparison.h"
#include "engine/PageTotals.h"
#include "model/PlanFile.h"

namespace {

std::string SamplePlanPath() {
  const std::string self = __FILE__;
  return self.substr(0, self.rfind("/bench/") + 1) + "resources/Double.plan";
}

// The sample plan against a copy with ten inputs changed: a whole comparison
// with Shapley attribution over 2^10 = 1,024 forecasts.
void BM_CompareTenChangedInputs(benchmark::State& state) {
  PlanRecord base;
  const PlanFileResult read = ReadPlanFile(base, SamplePlanPath());
  if (!read.ok || read.missing) {
    state.SkipWithError("cannot read the sample plan");
    return;
  }
  PlanRecord other = base;
  other.Salary1 += 5000;
  other.TaxableBalance += 20000;
  other.InflationRate += 0.5L;
  other.TaxableReturn -= 0.5L;
  other.Groceries += 1000;
  other.Vacations += 2000;
  other.RetireAge1 += 2;
  other.CurrentDebt += 3000;
  other.HomeInsurance += 300;
  other.RetirementReduction += 5;
  RecomputeFoodTotal(other);
  RecomputeEntertainmentTotal(other);
  std::int64_t forecasts = 0;
  for (auto _ : state) {
    const Comparison comparison = ComparePlans(base, other, {});
    forecasts = comparison.attribution.forecasts;
    benchmark::DoNotOptimize(comparison.attribution.parts.data());
  }
  state.counters["forecasts"] = static_cast<double>(forecasts);
}
BENCHMARK(BM_CompareTenChangedInputs)->Unit(benchmark::kMillisecond);

}  // namespace
