#include <gtest/gtest.h>

#include "OddsTestSupport.h"
#include "odds/BootstrapModel.h"
#include "markets/BuiltInHistory.h"
#include "markets/MarketYearRates.h"
#include "odds/OddsRunner.h"

namespace {

std::vector<std::int64_t> FinalNetWorths(const PlanRecord& plan, const PathModel& model, int threads) {
  OddsRunControl control;
  control.threads = threads;
  const std::optional<OddsResult> result = RunOdds(plan, model, control);
  std::vector<std::int64_t> values;
  if (result) {
    for (const TrialSummary& trial : result->trialSummaries) values.push_back(trial.finalNetWorth);
  }
  return values;
}

TEST(BootstrapModelTest, BlocksAreConsecutiveYearsOfTheHistoryWrappingAtItsEnd) {
  const PlanRecord plan = oddstest::SamplePlan();
  const MarketHistory& history = BuiltInHistory();
  BootstrapSettings settings;
  settings.trials = 400;
  const BootstrapModel model(plan, history, settings);
  const MarketMix mix{60.0L, 60.0L, true, plan.RealEstateGrowth};
  bool wrapped = false;
  bool jumped = false;
  for (int trial = 0; trial < settings.trials; ++trial) {
    const std::vector<std::size_t> indices = model.DataIndices(trial);
    ASSERT_EQ(indices.size(), static_cast<std::size_t>(RowCount(plan)));
    for (std::size_t k = 1; k < indices.size(); ++k) {
      const std::size_t next = (indices[k - 1] + 1) % history.years.size();
      if (k % 5 != 0) {
        ASSERT_EQ(indices[k], next) << "trial " << trial << " year " << k;
        wrapped = wrapped || indices[k] == 0;
      } else {
        jumped = jumped || indices[k] != next;
      }
    }
    if (trial == 7) {
      const TrialRates path = model.Path(trial);
      for (std::size_t k = 0; k < path.size(); ++k) {
        const YearRates expected = RatesOfMarketYear(history.years[indices[k]], mix);
        EXPECT_EQ(path[k].TaxableReturn, expected.TaxableReturn);
        EXPECT_EQ(path[k].RealEstateGrowth, expected.RealEstateGrowth);
      }
    }
  }
  EXPECT_TRUE(wrapped) << "no block ran past the last year";
  EXPECT_TRUE(jumped) << "blocks never started anew";
}

TEST(BootstrapModelTest, TrialsDependOnSeedAndNumberOnlyAndThreadsDoNotMatter) {
  const PlanRecord plan = oddstest::RichPlan();
  BootstrapSettings settings;
  settings.trials = 60;
  settings.seed = 7;
  const BootstrapModel model(plan, BuiltInHistory(), settings);
  const std::vector<std::int64_t> one = FinalNetWorths(plan, model, 1);
  ASSERT_EQ(one.size(), 60u);
  EXPECT_EQ(one, FinalNetWorths(plan, model, 2));

  BootstrapSettings more = settings;
  more.trials = 1000;
  EXPECT_EQ(BootstrapModel(plan, BuiltInHistory(), more).DataIndices(42), model.DataIndices(42));
  more.seed = 8;
  EXPECT_NE(BootstrapModel(plan, BuiltInHistory(), more).DataIndices(42), model.DataIndices(42));
}

TEST(BootstrapModelTest, BlockOfOneAndAHistoryOfEqualYears) {
  const PlanRecord plan = oddstest::SamplePlan();
  BootstrapSettings settings;
  settings.block = 1;
  const BootstrapModel single(plan, BuiltInHistory(), settings);
  int consecutive = 0;
  const std::vector<std::size_t> indices = single.DataIndices(3);
  for (std::size_t k = 1; k < indices.size(); ++k) consecutive += indices[k] == indices[k - 1] + 1 ? 1 : 0;
  EXPECT_LT(consecutive, 10) << "a block of one still strings years together";

  MarketHistory equal;
  for (int year = 1990; year < 2000; ++year) equal.years.push_back(MarketYear{year, 3.0L, 9.0L, 5.0L, 0.0L});
  settings.block = 7;
  const BootstrapModel flat(plan, equal, settings);
  for (const YearRates& year : flat.Path(11)) {
    EXPECT_EQ(year.Inflation, 3.0L);
    EXPECT_EQ(year.TaxableReturn, 0.6L * 9.0L + 0.4L * 5.0L - 3.0L);
    EXPECT_EQ(year.RealEstateGrowth, plan.RealEstateGrowth);
  }
}

TEST(BootstrapModelTest, RefusesSettingsThatCannotRun) {
  BootstrapSettings settings;
  settings.block = 0;
  EXPECT_NE(BootstrapModel::SettingsProblem(BuiltInHistory(), settings), "");
  settings.block = 5;
  settings.trials = 0;
  EXPECT_NE(BootstrapModel::SettingsProblem(BuiltInHistory(), settings), "");
  settings.trials = kMaxBootstrapTrials + 1;
  EXPECT_NE(BootstrapModel::SettingsProblem(BuiltInHistory(), settings), "") << "memory grows with the trials";
  settings.trials = 10;
  EXPECT_NE(BootstrapModel::SettingsProblem(MarketHistory{}, settings), "");
  EXPECT_EQ(BootstrapModel::SettingsProblem(BuiltInHistory(), settings), "");
}

}  // namespace
