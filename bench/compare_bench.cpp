#include <benchmark/benchmark.h>

#include <string>

#include "compare/Comparison.h"
#include "engine/PageTotals.h"
#include "model/PlanFile.h"
#include "support/TenChangedInputs.h"

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
  ChangeTenInputs(other);
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
