#include <benchmark/benchmark.h>

#include <string>

#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"

namespace {

std::string SamplePlanPath() {
  const std::string self = __FILE__;
  return self.substr(0, self.rfind("/bench/") + 1) + "resources/Double.plan";
}

// A whole simulation of the sample plan with the default settings: 10,000
// trials, percentiles and levels, on state.range(0) threads.
void BM_OddsSamplePlan10000Trials(benchmark::State& state) {
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, SamplePlanPath());
  if (!read.ok || read.missing) {
    state.SkipWithError("cannot read the sample plan");
    return;
  }
  const MonteCarloModel model(plan, MonteCarloSettings{});
  OddsRunControl control;
  control.threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::optional<OddsResult> result = RunOdds(plan, model, control);
    benchmark::DoNotOptimize(result);
  }
  state.counters["trials"] = model.TrialCount();
}
BENCHMARK(BM_OddsSamplePlan10000Trials)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Drawing one trial's rates alone: the generator and the lognormal mapping.
void BM_OddsMonteCarloPath(benchmark::State& state) {
  PlanRecord plan;
  ReadPlanFile(plan, SamplePlanPath());
  const MonteCarloModel model(plan, MonteCarloSettings{});
  int trial = 0;
  for (auto _ : state) benchmark::DoNotOptimize(model.Path(trial++));
}
BENCHMARK(BM_OddsMonteCarloPath);

}  // namespace
