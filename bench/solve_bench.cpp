#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "model/PlanFile.h"
#include "odds/MonteCarloModel.h"
#include "markets/BuiltInHistory.h"
#include "odds/OddsRunner.h"
#include "report/ReportFigures.h"
#include "solve/Frontier.h"
#include "solve/Sensitivity.h"

namespace {

// Run from the build folder, as the other benchmarks are.
PlanRecord SamplePlan() {
  const std::string self = __FILE__;
  PlanRecord plan;
  const PlanFileResult read = ReadPlanFile(plan, self.substr(0, self.rfind("/bench/") + 1) + "resources/Double.plan");
  if (!read.ok || read.missing) throw std::runtime_error("cannot read the sample plan");
  return plan;
}

SolveOdds OddsAt(int trials, int threads) {
  MonteCarloSettings settings;
  settings.trials = trials;
  SolveOdds odds;
  odds.percentHundredths = 9000;
  odds.threads = threads;
  odds.model = [settings](const PlanRecord& plan) { return std::make_unique<MonteCarloModel>(plan, settings); };
  return odds;
}

void Report(benchmark::State& state, const SolveResult& result) {
  state.counters["forecasts"] = static_cast<double>(result.forecasts);
  if (result.status != SolveStatus::Solved) state.SkipWithError("no answer");
}

// Spending to the dollar on the sample plan, no odds: at most 40 forecasts, under 30 ms.
void BM_SolveSpending(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  const SolveRequest request(SpendingLever(), Target{TargetKind::NeverNewDebt});
  for (auto _ : state) {
    const SolveResult result = Solve(plan, request);
    Report(state, result);
  }
}
BENCHMARK(BM_SolveSpending)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One 10,000-trial simulation and one spending solve at 90 % over the same
// 10,000 trials, on the same thread count: the solve at most 8 times the simulation.
void BM_SimulateOdds10000(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  const MonteCarloModel model(plan, MonteCarloSettings{});
  OddsRunControl control;
  control.threads = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(RunOdds(plan, model, control));
}
BENCHMARK(BM_SimulateOdds10000)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

void BM_SolveSpendingOdds10000(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  SolveRequest request(SpendingLever(), Target{TargetKind::NeverNewDebt});
  request.odds = OddsAt(10000, static_cast<int>(state.range(0)));
  for (auto _ : state) Report(state, Solve(plan, request));
}
BENCHMARK(BM_SolveSpendingOdds10000)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

// A frontier of 16 retirement ages, spending solved at 90 % on 1,000 trials,
// against one such solve: at most 16 times.
void BM_SolveSpendingOdds1000(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  SolveRequest request(SpendingLever(), Target{TargetKind::NeverNewDebt});
  request.odds = OddsAt(1000, 1);
  for (auto _ : state) Report(state, Solve(plan, request));
}
BENCHMARK(BM_SolveSpendingOdds1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

void BM_FrontierOdds16(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  FrontierRequest request{RetireAgeLever(LeverPerson::First), 55, 70, 1, SolveRequest(SpendingLever(), Target{TargetKind::NeverNewDebt})};
  request.solve.odds = OddsAt(1000, 1);
  for (auto _ : state) {
    const FrontierResult frontier = RunFrontier(plan, request);
    state.counters["forecasts"] = static_cast<double>(frontier.forecasts);
    state.counters["points"] = static_cast<double>(frontier.points.size());
  }
}
BENCHMARK(BM_FrontierOdds16)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

// Every input one step each way, no odds: under 150 ms.
void BM_SensitivityDeterministic(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  for (auto _ : state) {
    const SensitivityResult result = RunSensitivity(plan, {});
    state.counters["forecasts"] = static_cast<double>(result.forecasts);
  }
}
BENCHMARK(BM_SensitivityDeterministic)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Every figure of `prevora-cli report` at 10,000 trials on two threads: under 15 s, and no more than simulate
// three times, solve four times and sensitivity once.
void BM_ReportFigures10000(benchmark::State& state) {
  const PlanRecord plan = SamplePlan();
  ReportSettings settings;
  settings.history = BuiltInHistory();
  settings.historyName = BuiltInHistoryName();
  settings.threads = 2;
  for (auto _ : state) {
    if (!ComputeReportFigures(plan, settings)) state.SkipWithError("cancelled");
  }
}
BENCHMARK(BM_ReportFigures10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

}  // namespace
