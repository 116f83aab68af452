#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "markets/BuiltInHistory.h"

namespace {

using Column = long double MarketYear::*;

struct Means {
  long double arithmetic = 0.0L;
  long double geometric = 0.0L;
};

Means MeansOf(const MarketHistory& history, Column column) {
  long double sum = 0.0L;
  long double logSum = 0.0L;
  for (const MarketYear& year : history.years) {
    sum += year.*column;
    logSum += std::log1p(year.*column / 100.0L);
  }
  const auto count = static_cast<long double>(history.years.size());
  return {sum / count, (std::exp(logSum / count) - 1.0L) * 100.0L};
}

std::int32_t YearOfExtreme(const MarketHistory& history, Column column, bool highest) {
  const auto less = [column](const MarketYear& a, const MarketYear& b) { return a.*column < b.*column; };
  const auto found = highest ? std::max_element(history.years.begin(), history.years.end(), less)
                             : std::min_element(history.years.begin(), history.years.end(), less);
  return found->year;
}

TEST(BuiltInHistoryTest, CoversEveryYearFrom1928OnceWithFiniteValues) {
  const MarketHistory& history = BuiltInHistory();
  ASSERT_TRUE(history.hasRealEstate);
  ASSERT_GE(history.years.size(), 98u);
  EXPECT_EQ(history.years.front().year, 1928);
  for (std::size_t i = 0; i < history.years.size(); ++i) {
    const MarketYear& year = history.years[i];
    EXPECT_EQ(year.year, 1928 + static_cast<int>(i));
    for (const Column column : {&MarketYear::inflation, &MarketYear::stocks, &MarketYear::bonds,
                                &MarketYear::realEstate}) {
      EXPECT_TRUE(std::isfinite(year.*column)) << year.year;
      EXPECT_GT(year.*column, -100.0L) << year.year;
    }
  }
  EXPECT_EQ(BuiltInHistoryName(), "US history 1928-" + std::to_string(history.years.back().year) + " (built in)");
}

// The means of the source tables over 1928-2025, to two decimals, as
// docs/market-history.md lists them: a slip in any year moves one of them.
TEST(BuiltInHistoryTest, ReproducesTheSourcesMeansOver1928To2025) {
  MarketHistory history = BuiltInHistory();
  history.years.resize(2025 - 1928 + 1);
  struct Expected {
    Column column;
    long double arithmetic;
    long double geometric;
  };
  for (const Expected& expected : {Expected{&MarketYear::inflation, 3.11L, 3.04L},
                                   Expected{&MarketYear::stocks, 11.85L, 10.02L},
                                   Expected{&MarketYear::bonds, 4.82L, 4.53L},
                                   Expected{&MarketYear::realEstate, 4.38L, 4.20L}}) {
    const Means means = MeansOf(history, expected.column);
    EXPECT_NEAR(means.arithmetic, expected.arithmetic, 0.01L);
    EXPECT_NEAR(means.geometric, expected.geometric, 0.01L);
  }
  // The stock table's own published compound average over 1928-2025 (0.100177).
  EXPECT_NEAR(MeansOf(history, &MarketYear::stocks).geometric, 10.0177L, 0.01L);
}

TEST(BuiltInHistoryTest, KnownExtremesLandInTheirYears) {
  const MarketHistory& history = BuiltInHistory();
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::stocks, false), 1931);
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::stocks, true), 1954);
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::inflation, true), 1946);
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::inflation, false), 1932);
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::bonds, false), 2022);
  EXPECT_EQ(YearOfExtreme(history, &MarketYear::realEstate, false), 2008);
  EXPECT_EQ(history.years[1931 - 1928].stocks, -43.84L);
  EXPECT_EQ(history.years[2008 - 1928].stocks, -36.55L);
}

}  // namespace
