#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "solve/StrategyTable.h"

namespace {

// The sample plan with both statements typed, so every claiming age is tried (189 strategies).
PlanRecord SamplePlanWithBenefits() {
  const std::string self = __FILE__;
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, self.substr(0, self.rfind("/bench/") + 1) + "resources/Double.plan");
  if (!read.ok || read.missing) throw std::runtime_error("cannot read the sample plan");
  plan.FullRetirementBenefit1 = 31200;
  plan.FullRetirementBenefit2 = 18000;
  return plan;
}

void Report(benchmark::State& state, const StrategyTableResult& result) {
  state.counters["rows"] = static_cast<double>(result.rows.size());
  state.counters["forecasts"] = static_cast<double>(result.forecasts);
}

// The deterministic table on one thread: goal under 1 s.
void BM_StrategyTable(benchmark::State& state) {
  const PlanRecord plan = SamplePlanWithBenefits();
  for (auto _ : state) Report(state, RunStrategyTable(plan, {}));
}
BENCHMARK(BM_StrategyTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// 1,000 Monte Carlo trials a row on the threads given: goal under 30 s on two.
void BM_StrategyTableOdds1000(benchmark::State& state) {
  const PlanRecord plan = SamplePlanWithBenefits();
  StrategyRequest request;
  request.measure = StrategyMeasure::Odds;
  request.odds = std::make_shared<MonteCarloModel>(plan, MonteCarloSettings{1000});
  request.threads = static_cast<int>(state.range(0));
  for (auto _ : state) Report(state, RunStrategyTable(plan, request));
}
BENCHMARK(BM_StrategyTableOdds1000)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
