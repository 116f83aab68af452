#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/PlanFile.h"

namespace {

// The plans live in the source tree, found from this file's own path.
std::string SourcePath(const std::string& relative) {
  const std::string self = __FILE__;
  const std::string folder = self.substr(0, self.rfind("/bench/") + 1);
  return folder + relative;
}

void RunOnPlan(benchmark::State& state, const std::string& relativePath, bool currentDollars) {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, SourcePath(relativePath));
  if (!read.ok || read.missing) {
    state.SkipWithError(("cannot read " + relativePath).c_str());
    return;
  }
  ForecastTable table;
  for (auto _ : state) {
    RunForecast(plan, table);
    if (currentDollars) ToCurrentDollars(plan, table);
    benchmark::DoNotOptimize(table);
  }
  state.counters["rows"] = RowCount(plan);
}

// The sample plan: 46 years, two persons, an owned home, no shortfalls.
void BM_ForecastSamplePlan(benchmark::State& state) { RunOnPlan(state, "resources/Double.plan", false); }
BENCHMARK(BM_ForecastSamplePlan);

// Every model in use: separate filing, sale and purchase, students, events,
// home-equity borrowing, an emptied tax-deferred account and new debt.
void BM_ForecastRichPlan(benchmark::State& state) { RunOnPlan(state, "tests/data/rich_forecast.plan", false); }
BENCHMARK(BM_ForecastRichPlan);

// What a page does when it shows today's dollars: the run and the conversion.
void BM_ForecastRichPlanCurrentDollars(benchmark::State& state) {
  RunOnPlan(state, "tests/data/rich_forecast.plan", true);
}
BENCHMARK(BM_ForecastRichPlanCurrentDollars);

}  // namespace
