#include <gtest/gtest.h>

#include "odds/OddsTestSupport.h"
#include "engine/Forecast.h"
#include "markets/BuiltInHistory.h"
#include "markets/HistoryStart.h"
#include "markets/MarketYearRates.h"

namespace {

TEST(HistoryStartTest, AHistoryOfEqualYearsRunsAsThoseRatesInEveryYear) {
  const PlanRecord plan = oddstest::SamplePlan();
  MarketHistory equal;
  equal.hasRealEstate = true;
  for (int year = 1990; year < 2000; ++year) equal.years.push_back(MarketYear{year, 3.5L, 9.25L, 4.5L, 5.0L});
  const HistoryStart start = HistoryStartRates(plan, equal, 1994);
  const YearRates row = RatesOfMarketYear(equal.years[0], MarketMix{60.0L, 60.0L, true, 0.0L});
  EXPECT_TRUE(oddstest::SameTable(RunForecast(plan, start.rates).table,
                                  RunForecast(plan, RatePath::Constant(row)).table));
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

}  // namespace
