#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "MathCallCount.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "legacy/DollarViews.h"
#include "legacy/Forecast.h"
#include "markets/ForecastRules.h"
#include "model/PlanFile.h"

namespace {

// The plans live in the source tree, found from this file's own path.
std::string SourcePath(const std::string& relative) {
  const std::string self = __FILE__;
  const std::string folder = self.substr(0, self.rfind("/bench/") + 1);
  return folder + relative;
}

bool ReadPlan(benchmark::State& state, const std::string& relativePath, PlanRecord& plan) {
  const PlanFileResult read = ReadPlanFile(plan, SourcePath(relativePath));
  if (read.ok && !read.missing) return true;
  state.SkipWithError(("cannot read " + relativePath).c_str());
  return false;
}

const char* const kSamplePlan = "resources/Double.plan";
const char* const kRichPlan = "tests/data/rich_forecast.plan";

void RunOnPlan(benchmark::State& state, const std::string& relativePath, bool currentDollars) {
  PlanRecord plan;
  if (!ReadPlan(state, relativePath, plan)) return;
  for (auto _ : state) {
    Forecast forecast = ForecastInView(plan, RatePath::FromPlan(plan), currentDollars);
    benchmark::DoNotOptimize(forecast);
  }
  state.counters["rows"] = RowCount(plan);
}

// The engine as it was, on the same plan in the same run, for the ratio.
void RunLegacyOnPlan(benchmark::State& state, const std::string& relativePath, bool currentDollars) {
  legacy::PlanRecord plan;
  if (!ReadPlan(state, relativePath, plan)) return;
  legacy::ForecastTable table;
  for (auto _ : state) {
    legacy::RunForecast(plan, table);
    if (currentDollars) legacy::ToCurrentDollars(plan, table);
    benchmark::DoNotOptimize(table);
  }
}

// The sample plan: 46 years, two persons, an owned home, no shortfalls.
void BM_ForecastSamplePlan(benchmark::State& state) { RunOnPlan(state, kSamplePlan, false); }
BENCHMARK(BM_ForecastSamplePlan);
void BM_LegacyForecastSamplePlan(benchmark::State& state) { RunLegacyOnPlan(state, kSamplePlan, false); }
BENCHMARK(BM_LegacyForecastSamplePlan);

// Two runs taking turns, so that both meet the same machine from moment to
// moment: the ratio of their times is the figure that carries from one
// machine to another.
template <typename First, typename Second>
void TakeTurns(benchmark::State& state, First first, Second second, const char* firstName, const char* secondName) {
  using Clock = std::chrono::steady_clock;
  Clock::duration firstTime{};
  Clock::duration secondTime{};
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    first();
    const Clock::time_point middle = Clock::now();
    second();
    secondTime += Clock::now() - middle;
    firstTime += middle - start;
  }
  const auto micros = [&state](Clock::duration total) {
    return std::chrono::duration<double, std::micro>(total).count() / static_cast<double>(state.iterations());
  };
  state.counters[firstName] = micros(firstTime);
  state.counters[secondName] = micros(secondTime);
  state.counters["ratio"] = micros(firstTime) / micros(secondTime);
}

// The engine against the engine as it was, on the sample plan.
void BM_SamplePlanAgainstLegacy(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  legacy::PlanRecord oldPlan;
  static_cast<PlanRecord&>(oldPlan) = plan;
  legacy::ForecastTable table;
  TakeTurns(
      state, [&plan] { benchmark::DoNotOptimize(ForecastInView(plan, RatePath::FromPlan(plan), false)); },
      [&oldPlan, &table] {
        legacy::RunForecast(oldPlan, table);
        benchmark::DoNotOptimize(table);
      },
      "new_us", "legacy_us");
}
BENCHMARK(BM_SamplePlanAgainstLegacy);

// The sample plan under the law's taxes against the first design's curve, on
// the recorded past as the program runs it: the law must be no slower.
void BM_SamplePlanLawAgainstCurve(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  const RatePath law = PlanRatePath(plan, {PastInflationRule::Recorded, TaxRules::Law});
  const RatePath curve = PlanRatePath(plan, {PastInflationRule::Recorded, TaxRules::Curve});
  TakeTurns(
      state, [&] { benchmark::DoNotOptimize(RunForecast(plan, law)); },
      [&] { benchmark::DoNotOptimize(RunForecast(plan, curve)); }, "law_us", "curve_us");
}
BENCHMARK(BM_SamplePlanLawAgainstCurve);

// The sample plan with both persons' full-retirement benefits typed, against
// the plan as it is: the claiming rule must cost no more than 1.2x.
void BM_SamplePlanClaimingAgainstTyped(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  PlanRecord claiming = plan;
  claiming.FullRetirementBenefit1 = 36000;
  claiming.FullRetirementBenefit2 = 24000;
  const RatePath path = PlanRatePath(plan, {PastInflationRule::Recorded, TaxRules::Law});
  TakeTurns(
      state, [&] { benchmark::DoNotOptimize(RunForecast(claiming, path)); },
      [&] { benchmark::DoNotOptimize(RunForecast(plan, path)); }, "claiming_us", "typed_us");
}
BENCHMARK(BM_SamplePlanClaimingAgainstTyped);

// The sample plan with every new input set (benefits by claiming age, a Roth
// account with contributions, the tax-deferred account drawn first, the 22 %
// bracket filled by conversions from 60 to 74), against the plan as it is:
// the goal is at most 1.2x.
void BM_SamplePlanAccountsAgainstPlain(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  PlanRecord accounts = plan;
  accounts.FullRetirementBenefit1 = 36000;
  accounts.FullRetirementBenefit2 = 24000;
  accounts.RothBalance = 80000;
  accounts.RothBasis = 50000;
  accounts.RothContribution1 = 6000;
  accounts.RothContribution2 = 6000;
  accounts.WithdrawalOrder = "deferred,taxable,roth";
  accounts.FillBracket = 22;
  accounts.FillInto = "roth";
  accounts.FillFromAge = 60;
  accounts.FillToAge = 74;
  const RatePath path = PlanRatePath(plan, {PastInflationRule::Recorded, TaxRules::Law});
  TakeTurns(
      state, [&] { benchmark::DoNotOptimize(RunForecast(accounts, path)); },
      [&] { benchmark::DoNotOptimize(RunForecast(plan, path)); }, "accounts_us", "plain_us");
}
BENCHMARK(BM_SamplePlanAccountsAgainstPlain);

// Every model in use: separate filing, sale and purchase, students, events,
// home-equity borrowing, an emptied tax-deferred account and new debt.
void BM_ForecastRichPlan(benchmark::State& state) { RunOnPlan(state, kRichPlan, false); }
BENCHMARK(BM_ForecastRichPlan);
void BM_LegacyForecastRichPlan(benchmark::State& state) { RunLegacyOnPlan(state, kRichPlan, false); }
BENCHMARK(BM_LegacyForecastRichPlan);

// The same run recording its explanation of every cell ("Why this number?").
void BM_ForecastRichPlanTraced(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kRichPlan, plan)) return;
  for (auto _ : state) {
    ExplainTrace trace;
    Forecast forecast = RunForecast(plan, RatePath::FromPlan(plan), &trace);
    benchmark::DoNotOptimize(forecast);
    benchmark::DoNotOptimize(trace);
  }
}
BENCHMARK(BM_ForecastRichPlanTraced);

// What a page does when it shows today's dollars: the run and the conversion.
void BM_ForecastRichPlanCurrentDollars(benchmark::State& state) { RunOnPlan(state, kRichPlan, true); }
BENCHMARK(BM_ForecastRichPlanCurrentDollars);

// The conversion alone, of a fresh copy of the sample plan's table each time
// (the copy is inside the timing: about 15 KB).
void BM_CurrentDollarsSamplePlan(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  const Forecast forecast = RunForecast(plan, RatePath::FromPlan(plan));
  const int rows = RowCount(plan);
  for (auto _ : state) {
    ForecastTable table = forecast.table;
    ToCurrentDollars(forecast.inflation, rows, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_CurrentDollarsSamplePlan);

void BM_LegacyCurrentDollarsSamplePlan(benchmark::State& state) {
  legacy::PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  legacy::ForecastTable inflated;
  legacy::RunForecast(plan, inflated);
  for (auto _ : state) {
    legacy::ForecastTable table = inflated;
    legacy::ToCurrentDollars(plan, table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_LegacyCurrentDollarsSamplePlan);

// 10,000 forecasts of the sample plan shared among state.range(0) threads.
void BM_TenThousandForecasts(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  const int threads = static_cast<int>(state.range(0));
  constexpr int kRuns = 10000;
  for (auto _ : state) {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back([&plan, t, threads] {
        const RatePath path = RatePath::FromPlan(plan);
        for (int i = t; i < kRuns; i += threads) {
          Forecast forecast = RunForecast(plan, path);
          benchmark::DoNotOptimize(forecast);
        }
      });
    }
    for (std::thread& worker : workers) worker.join();
  }
}
// Wall time gives the speed-up; the CPU column is the whole process's.
BENCHMARK(BM_TenThousandForecasts)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// powl and nearbyintl calls of one run of the sample plan (counting wrappers).
void BM_MathCallsPerSampleRun(benchmark::State& state) {
  PlanRecord plan;
  if (!ReadPlan(state, kSamplePlan, plan)) return;
  legacy::PlanRecord oldPlan;
  static_cast<PlanRecord&>(oldPlan) = plan;
  MathCallCount current;
  MathCallCount kept;
  for (auto _ : state) {
    current = CountMathCalls([&] { benchmark::DoNotOptimize(RunForecast(plan, RatePath::FromPlan(plan))); });
    kept = CountMathCalls([&] {
      legacy::ForecastTable table;
      legacy::RunForecast(oldPlan, table);
      benchmark::DoNotOptimize(table);
    });
  }
  state.counters["powl"] = static_cast<double>(current.powl);
  state.counters["powl_distinct"] = static_cast<double>(current.distinctPowl);
  state.counters["nearbyintl"] = static_cast<double>(current.nearbyintl);
  state.counters["legacy_powl"] = static_cast<double>(kept.powl);
  state.counters["legacy_powl_distinct"] = static_cast<double>(kept.distinctPowl);
  state.counters["legacy_nearbyintl"] = static_cast<double>(kept.nearbyintl);
}
BENCHMARK(BM_MathCallsPerSampleRun)->Iterations(1);

}  // namespace
