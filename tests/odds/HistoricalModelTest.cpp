#include <gtest/gtest.h>

#include <string>

#include "OddsTestSupport.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "markets/RecordedInflation.h"
#include "odds/HistoricalModel.h"
#include "odds/OddsRunner.h"
#include "odds/TrialForecast.h"

namespace {

// `count` consecutive years from 1950; year i has stocks 10 + i so a trial's
// start can be read off its rates.
MarketHistory CountingHistory(int count, bool realEstate) {
  MarketHistory history;
  history.hasRealEstate = realEstate;
  for (int i = 0; i < count; ++i) {
    history.years.push_back(MarketYear{1950 + i, 2.0L, 10.0L + i, 4.0L, 5.0L});
  }
  return history;
}

TEST(HistoricalModelTest, TrialCountWrapsOrKeepsCompleteWindows) {
  const PlanRecord plan = oddstest::SamplePlan();
  const int rows = RowCount(plan);
  ASSERT_EQ(rows, 46);
  const MarketHistory history = CountingHistory(60, false);
  HistoricalSettings settings;
  const HistoricalModel wrapping(plan, history, settings);
  EXPECT_EQ(wrapping.TrialCount(), 60);
  EXPECT_EQ(wrapping.WrappedTrials(), rows - 1);
  settings.completeOnly = true;
  const HistoricalModel complete(plan, history, settings);
  EXPECT_EQ(complete.TrialCount(), 60 - rows + 1);
  EXPECT_EQ(complete.WrappedTrials(), 0);
  EXPECT_EQ(complete.TrialLabel(0), "start year 1950");

  // Fewer years than the forecast: every start wraps, or none is complete.
  const MarketHistory shortHistory = CountingHistory(10, false);
  EXPECT_EQ(HistoricalModel::SettingsProblem(plan, shortHistory, settings),
            "the history holds 10 years but the forecast runs 46, so no start year has a complete window");
  settings.completeOnly = false;
  EXPECT_EQ(HistoricalModel::SettingsProblem(plan, shortHistory, settings), "");
  EXPECT_EQ(HistoricalModel(plan, shortHistory, settings).WrappedTrials(), 10);
}

TEST(HistoricalModelTest, WindowsRunThroughTheDataAndWrapToItsFirstYear) {
  const PlanRecord plan = oddstest::SamplePlan();
  HistoricalSettings settings;
  settings.stocksTaxable = 100.0L;
  const HistoricalModel model(plan, CountingHistory(50, false), settings);
  const TrialRates path = model.Path(48);
  // Stocks 58, 59, then 10, 11 again; everything above inflation (2).
  EXPECT_EQ(path[0].TaxableReturn, 56.0L);
  EXPECT_EQ(path[1].TaxableReturn, 57.0L);
  EXPECT_EQ(path[2].TaxableReturn, 8.0L);
  EXPECT_EQ(path[3].TaxableReturn, 9.0L);
  EXPECT_EQ(path.size(), static_cast<std::size_t>(RowCount(plan)));
}

TEST(HistoricalModelTest, AccountsMixStocksAndBondsByTheirShares) {
  PlanRecord plan = oddstest::SamplePlan();
  plan.RealEstateGrowth = 1.25L;
  HistoricalSettings settings;
  settings.stocksTaxable = 50.0L;
  settings.stocksDeferred = 0.0L;
  // Year 1950: inflation 2, stocks 10, bonds 4, real estate 5.
  const YearRates withColumn = HistoricalModel(plan, CountingHistory(50, true), settings).Path(0)[0];
  EXPECT_EQ(withColumn.Inflation, 2.0L);
  EXPECT_EQ(withColumn.TaxableReturn, 5.0L);
  EXPECT_EQ(withColumn.TaxDeferredReturn, 2.0L);
  EXPECT_EQ(withColumn.RealEstateGrowth, 3.0L);
  // Without the column, real estate keeps the plan's growth over each year's inflation.
  const YearRates withoutColumn = HistoricalModel(plan, CountingHistory(50, false), settings).Path(0)[0];
  EXPECT_EQ(withoutColumn.RealEstateGrowth, 1.25L);

  settings.stocksDeferred = 101.0L;
  EXPECT_NE(HistoricalModel::SettingsProblem(plan, CountingHistory(50, false), settings), "");
}

// Rows all alike make a constant path: every trial is the fixed-rate forecast
// of a plan with those rates typed in (its past at the typed rate too).
TEST(HistoricalModelTest, EqualRowsGiveTheForecastWithThoseRates) {
  const PlanRecord plan = oddstest::RichPlan();
  MarketHistory history;
  history.hasRealEstate = true;
  for (int i = 0; i < 30; ++i) history.years.push_back(MarketYear{1970 + i, 3.0L, 9.0L, 5.0L, 4.5L});
  HistoricalSettings settings;
  settings.stocksTaxable = 50.0L;
  settings.stocksDeferred = 100.0L;
  const HistoricalModel model(plan, history, settings);

  PlanRecord typed = plan;
  typed.InflationRate = 3.0L;
  typed.TaxableReturn = 4.0L;
  typed.TaxDeferredReturn = 6.0L;
  typed.RealEstateGrowth = 1.5L;
  // The years before the forecast keep the plan's own inflation.
  ForecastTable expected =
      RunForecast(typed, WithPastInflation(RatePath::FromPlan(typed), PastInflationRule::Plan, plan)).table;

  for (const int trial : {0, 17, 29}) {
    const TrialReplay replay = ReplayTrial(plan, model, trial, PastInflationRule::Plan);
    EXPECT_TRUE(oddstest::SameTable(replay.table, expected)) << "trial " << trial;
  }
  OddsRunControl control;
  control.threads = 2;
  control.past = PastInflationRule::Plan;
  const auto result = RunOdds(plan, model, control);
  ASSERT_TRUE(result);
  ToCurrentDollars(typed, expected);
  const int rows = RowCount(plan);
  for (std::size_t p = 0; p < kBandPercents.size(); ++p) {
    EXPECT_EQ(result->years.back().current[p], expected.Year(rows).NetWorth);
  }
}

}  // namespace
