#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "engine/Forecast.h"
#include "markets/BuiltInHistory.h"
#include "markets/HistoryStart.h"
#include "markets/MarketYearRates.h"
#include "markets/StressSequence.h"
#include "odds/OddsTestSupport.h"

namespace {

TEST(HistoryStartTest, AHistoryOfEqualYearsRunsAsThoseRatesInEveryYear) {
  const PlanRecord plan = oddstest::SamplePlan();
  MarketHistory equal;
  equal.hasRealEstate = true;
  for (int year = 1990; year < 2000; ++year) equal.years.push_back(MarketYear{year, 3.5L, 9.25L, 4.5L, 5.0L});
  const HistoryStart start = HistoryStartRates(plan, equal, 1994);
  const YearRates row = RatesOfMarketYear(equal.years[0], MarketMix{60.0L, 60.0L, true, 0.0L});
  EXPECT_TRUE(
      oddstest::SameTable(RunForecast(plan, start.rates).table, RunForecast(plan, RatePath::Constant(row)).table));
  // 46 forecast years from 1994 leave the data after 6: the seventh year, 2032, starts over.
  EXPECT_EQ(start.wrapYear, plan.CurrentYear + 6);
}

TEST(HistoryStartTest, TheStartYearsRowIsTheFirstForecastYearsRates) {
  const PlanRecord plan = oddstest::SamplePlan();
  const MarketHistory& history = BuiltInHistory();
  const MarketMix mix{60.0L, 60.0L, true, plan.RealEstateGrowth};
  const HistoryStart start = HistoryStartRates(plan, history, 1966);
  for (int a = 1; a <= 3; ++a) {
    const YearRates expected = RatesOfMarketYear(history.years[static_cast<std::size_t>(1966 - 1928 + a - 1)], mix);
    EXPECT_EQ(start.rates.Year(a).Inflation, expected.Inflation) << a;
    EXPECT_EQ(start.rates.Year(a).TaxableReturn, expected.TaxableReturn) << a;
    EXPECT_EQ(start.rates.Year(a).RealEstateGrowth, expected.RealEstateGrowth) << a;
  }
  EXPECT_EQ(start.wrapYear, 0) << "46 years from 1966 end within the data";
  EXPECT_NE(HistoryStartProblem(history, 1927), "");
  EXPECT_NE(HistoryStartProblem(history, history.years.back().year + 1), "");
  EXPECT_EQ(HistoryStartProblem(history, 1929), "");
}

TEST(HistoryStartTest, AStartPastTheDataNamesBothStretchesItLivesThrough) {
  const PlanRecord plan = oddstest::SamplePlan();
  StressChoice stress;
  stress.Choose(1994, false);
  // 46 years from 2026: 1994 to 2025 are 32 of them, the other 14 start over in 1928.
  EXPECT_EQ(StressName(plan, stress), "Start 1994: 1994-2025, then 1928-1941");
  EXPECT_EQ(StressLegend(plan, stress), "Start 1994, then 1928-1941");
  stress.Choose(1966, true);
  EXPECT_EQ(StressName(plan, stress), "Worst start 1966");
  stress.sequenceStart = SequenceStart::Retirement;
  EXPECT_EQ(StressName(plan, stress), "Worst start 1966 at retirement in 2046");
  EXPECT_EQ(StressLegend(plan, stress), "Worst start 1966 at retirement");
}

// Started at retirement, the years before the first retirement keep the
// plan's own rates and the history's sequence begins at that year, for
// either person retiring first or someone retired already.
TEST(HistoryStartTest, AtRetirementThePlansRatesRunUntilTheFirstRetirementYear) {
  const MarketHistory& history = BuiltInHistory();
  PlanRecord plan = oddstest::SamplePlan();
  const MarketMix mix{60.0L, 60.0L, true, plan.RealEstateGrowth};
  for (const auto& [retire1, retire2] : {std::pair{65, 70}, std::pair{70, 50}, std::pair{40, 65}}) {
    plan.RetireAge1 = retire1;
    plan.RetireAge2 = retire2;
    const int firstRetired = std::max(1, std::min(retire1 - plan.Age1, retire2 - plan.Age2) + 1);
    ASSERT_EQ(FirstRetirementRow(plan), firstRetired);
    const HistoryStart start = HistoryStartRates(plan, history, 2000, SequenceStart::Retirement);
    EXPECT_EQ(start.sequenceYear, plan.CurrentYear + firstRetired - 1);
    const RatePath own = RatePath::FromPlan(plan);
    for (int a = 1; a <= RowCount(plan); ++a) {
      const std::size_t row = static_cast<std::size_t>(2000 - 1928 + a - firstRetired) % history.years.size();
      const YearRates expected = a < firstRetired ? own.Year(a) : RatesOfMarketYear(history.years[row], mix);
      EXPECT_EQ(start.rates.Year(a).TaxableReturn, expected.TaxableReturn) << retire1 << " " << a;
      EXPECT_EQ(start.rates.Year(a).Inflation, expected.Inflation) << retire1 << " " << a;
    }
    const int historyYears = RowCount(plan) - firstRetired + 1;
    EXPECT_EQ(start.wrapYear, historyYears > 26 ? start.sequenceYear + 26 : 0) << "2000 to 2025 are 26 years";
  }
}

}  // namespace
