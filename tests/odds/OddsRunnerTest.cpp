#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "OddsTestSupport.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsRunner.h"
#include "odds/TrialForecast.h"

namespace {

OddsResult RunMonteCarlo(const PlanRecord& plan, const MonteCarloSettings& settings, int threads,
                         PastInflationRule past = PastInflationRule::Recorded) {
  const MonteCarloModel model(plan, settings);
  OddsRunControl control;
  control.threads = threads;
  control.past = past;
  std::optional<OddsResult> result = RunOdds(plan, model, control);
  EXPECT_TRUE(result);
  return result.value_or(OddsResult{});
}

void ExpectSameResult(const OddsResult& a, const OddsResult& b) {
  EXPECT_EQ(a.trials, b.trials);
  EXPECT_EQ(a.levelCounts, b.levelCounts);
  EXPECT_EQ(a.belowZeroCount, b.belowZeroCount);
  EXPECT_EQ(a.medianFirstNewDebtYear, b.medianFirstNewDebtYear);
  ASSERT_EQ(a.years.size(), b.years.size());
  for (std::size_t i = 0; i < a.years.size(); ++i) {
    EXPECT_EQ(a.years[i].inflated, b.years[i].inflated) << "year " << a.years[i].year;
    EXPECT_EQ(a.years[i].current, b.years[i].current) << "year " << a.years[i].year;
  }
  ASSERT_EQ(a.trialSummaries.size(), b.trialSummaries.size());
  for (std::size_t i = 0; i < a.trialSummaries.size(); ++i) {
    EXPECT_EQ(a.trialSummaries[i].grade.level, b.trialSummaries[i].grade.level) << "trial " << i;
    EXPECT_EQ(a.trialSummaries[i].finalNetWorth, b.trialSummaries[i].finalNetWorth) << "trial " << i;
  }
}

MonteCarloSettings ZeroDeviations(int trials) {
  MonteCarloSettings settings;
  settings.trials = trials;
  settings.deviations = {0.0L, 0.0L, 0.0L, 0.0L};
  return settings;
}

// With nothing random left, every trial is the fixed-rate forecast to the
// dollar, in both views, and is graded as that forecast is; every trial takes
// the past the rule asks for, as the forecast does.
TEST(OddsRunnerTest, ZeroDeviationsGiveTheFixedRateForecast) {
  for (const PastInflationRule past : {PastInflationRule::Recorded, PastInflationRule::Plan})
  for (PlanRecord plan : {oddstest::SamplePlan(), oddstest::RichPlan()}) {
    const MonteCarloSettings settings = ZeroDeviations(40);
    const MonteCarloModel model(plan, settings);
    const OddsResult result = RunMonteCarlo(plan, settings, 2, past);

    PlanRecord fixedPlan = plan;
    const Forecast run = RunForecast(plan, PlanRatePath(plan, past));
    WriteBack(run.updates, fixedPlan);
    const ForecastTable fixed = run.table;
    const TrialGrade fixedGrade = GradeTrial(plan, fixed);
    EXPECT_TRUE(oddstest::SameTable(ReplayTrial(plan, model, 39, past).table, fixed));
    ForecastTable current = fixed;
    ToCurrentDollars(fixedPlan, current);

    const int rows = RowCount(plan);
    ASSERT_EQ(static_cast<int>(result.years.size()), rows);
    for (int a = 1; a <= rows; ++a) {
      const YearBands& bands = result.years[static_cast<std::size_t>(a - 1)];
      for (std::size_t p = 0; p < kBandPercents.size(); ++p) {
        ASSERT_EQ(bands.inflated[p], fixed.Year(a).NetWorth) << "year " << a;
        ASSERT_EQ(bands.current[p], current.Year(a).NetWorth) << "year " << a;
      }
    }
    EXPECT_EQ(result.levelCounts[static_cast<std::size_t>(fixedGrade.level)], 40);
    EXPECT_EQ(result.medianFirstNewDebtYear.has_value(), fixedGrade.level == ShortfallLevel::NewDebt);
    if (result.medianFirstNewDebtYear) {
      EXPECT_EQ(*result.medianFirstNewDebtYear, fixedGrade.firstNewDebtYear);
    }
    EXPECT_EQ(result.belowZeroCount, fixedGrade.netWorthBelowZero ? 40 : 0);
  }
}

TEST(OddsRunnerTest, SameSeedGivesTheSameResultOnAnyNumberOfThreads) {
  const PlanRecord plan = oddstest::RichPlan();
  MonteCarloSettings settings;
  settings.trials = 120;
  settings.seed = 99;
  const OddsResult one = RunMonteCarlo(plan, settings, 1);
  ExpectSameResult(one, RunMonteCarlo(plan, settings, 2));
  ExpectSameResult(one, RunMonteCarlo(plan, settings, 7));
  ExpectSameResult(one, RunMonteCarlo(plan, settings, 1));

  settings.seed = 100;
  const OddsResult other = RunMonteCarlo(plan, settings, 2);
  bool differs = false;
  for (std::size_t i = 0; i < one.trialSummaries.size(); ++i) {
    differs = differs || one.trialSummaries[i].finalNetWorth != other.trialSummaries[i].finalNetWorth;
  }
  EXPECT_TRUE(differs) << "a different seed gave the same trials";
}

TEST(OddsRunnerTest, ATrialReplayedAloneIsTheTrialOfTheRun) {
  const PlanRecord plan = oddstest::RichPlan();
  MonteCarloSettings settings;
  settings.trials = 64;
  settings.seed = 5;
  const MonteCarloModel model(plan, settings);
  const OddsResult result = RunMonteCarlo(plan, settings, 2);
  for (const int trial : {0, 31, 63, result.WorstTrial()}) {
    const TrialReplay replay = ReplayTrial(plan, model, trial, PastInflationRule::Recorded);
    const TrialSummary& inRun = result.trialSummaries[static_cast<std::size_t>(trial)];
    EXPECT_EQ(replay.grade.level, inRun.grade.level) << "trial " << trial;
    EXPECT_EQ(replay.grade.firstNewDebtYear, inRun.grade.firstNewDebtYear) << "trial " << trial;
    EXPECT_EQ(replay.currentTable.Year(RowCount(plan)).NetWorth, inRun.finalNetWorth) << "trial " << trial;
  }
}

TEST(OddsRunnerTest, BandsAreOrderedAndSharesAddUp) {
  const PlanRecord plan = oddstest::SamplePlan();
  MonteCarloSettings settings;
  settings.trials = 200;
  const OddsResult result = RunMonteCarlo(plan, settings, 2);
  for (const YearBands& year : result.years) {
    for (std::size_t p = 1; p < kBandPercents.size(); ++p) {
      ASSERT_LE(year.inflated[p - 1], year.inflated[p]) << "year " << year.year;
      ASSERT_LE(year.current[p - 1], year.current[p]) << "year " << year.year;
    }
  }
  double total = 0.0;
  int count = 0;
  for (int level = 0; level < kShortfallLevelCount; ++level) {
    total += result.LevelShare(static_cast<ShortfallLevel>(level));
    count += result.levelCounts[static_cast<std::size_t>(level)];
  }
  EXPECT_EQ(count, settings.trials);
  EXPECT_NEAR(total, 100.0, 1e-9);
  EXPECT_NEAR(result.NoNewDebtShare(), 100.0 - result.LevelShare(ShortfallLevel::NewDebt), 1e-9);
  EXPECT_NEAR(result.SavingsLastedShare(),
              100.0 - result.LevelShare(ShortfallLevel::HomeEquity) - result.LevelShare(ShortfallLevel::NewDebt), 1e-9);
  EXPECT_EQ(result.years.front().year, plan.CurrentYear);
  EXPECT_EQ(result.years.back().age1, 90);
}

// A plan file may hold any age: past 90 the forecast has no rows at all.
TEST(OddsRunnerTest, PlanWithoutForecastYearsRuns) {
  PlanRecord plan = oddstest::SamplePlan();
  plan.Age1 = 95;
  MonteCarloSettings settings;
  settings.trials = 10;
  const OddsResult result = RunMonteCarlo(plan, settings, 2);
  EXPECT_TRUE(result.years.empty());
  EXPECT_EQ(result.levelCounts[0], 10);

  MarketHistory history;
  history.years = {MarketYear{2000, 2.0L, 5.0L, 3.0L, 0.0L}, MarketYear{2001, 2.0L, 5.0L, 3.0L, 0.0L}};
  HistoricalSettings complete;
  complete.completeOnly = true;
  const HistoricalModel model(plan, history, complete);
  EXPECT_EQ(model.TrialCount(), 2);
  EXPECT_EQ(model.WrappedTrials(), 0);
  OddsRunControl control;
  EXPECT_TRUE(RunOdds(plan, model, control));
}

TEST(OddsRunnerTest, NearestRankPicksActualValues) {
  std::vector<std::int64_t> values = {50, 10, 40, 20, 30};
  EXPECT_EQ(NearestRank(values, 10), 10);
  EXPECT_EQ(NearestRank(values, 50), 30);
  EXPECT_EQ(NearestRank(values, 90), 50);
  std::vector<std::int64_t> even = {4, 1, 3, 2};
  EXPECT_EQ(NearestRank(even, 50), 2);  // the lower middle one
}

TEST(OddsRunnerTest, ProgressIsReportedAndEndsAtTheTotal) {
  const PlanRecord plan = oddstest::SamplePlan();
  MonteCarloSettings settings;
  settings.trials = 200;
  const MonteCarloModel model(plan, settings);
  OddsRunControl control;
  control.threads = 2;
  int calls = 0;
  int lastDone = -1;
  bool monotonic = true;
  control.progress = [&](int done, int total) {
    EXPECT_EQ(total, 200);
    monotonic = monotonic && done >= lastDone;
    lastDone = done;
    ++calls;
  };
  ASSERT_TRUE(RunOdds(plan, model, control));
  EXPECT_GE(calls, 1);
  EXPECT_TRUE(monotonic);
  EXPECT_EQ(lastDone, 200);
}

TEST(OddsRunnerTest, CancelStopsALongRunPromptly) {
  const PlanRecord plan = oddstest::SamplePlan();
  MonteCarloSettings settings;
  settings.trials = 20000;
  const MonteCarloModel model(plan, settings);
  std::atomic<bool> cancel{false};
  OddsRunControl control;
  control.threads = 2;
  control.cancel = &cancel;
  int lastDone = 0;
  control.progress = [&](int done, int) { lastDone = done; };
  std::chrono::steady_clock::time_point cancelledAt;
  std::thread canceller([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    cancelledAt = std::chrono::steady_clock::now();
    cancel.store(true);
  });
  const std::optional<OddsResult> result = RunOdds(plan, model, control);
  const auto returnedAt = std::chrono::steady_clock::now();
  canceller.join();
  EXPECT_FALSE(result);
  EXPECT_LT(lastDone, settings.trials);
  // The design target is well under 100 ms; the bound leaves room for a
  // loaded machine and the sanitizer build.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(returnedAt - cancelledAt).count(), 1000);
}

}  // namespace
