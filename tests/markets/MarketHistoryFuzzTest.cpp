#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "markets/MarketHistory.h"
#include "support/HostileText.h"

namespace {

std::string ValidHistory() {
  std::string text = "Year,Inflation,Stocks,Bonds,RealEstate\r\n";
  for (int year = 1950; year < 2000; ++year) {
    text += std::to_string(year) + "," + std::to_string(year % 7) + "." + std::to_string(year % 10) + "," +
            std::to_string(year % 31 - 12) + ",4.5,3\r\n";
  }
  return text;
}

// Damaged history files: a refusal names the file and a line and quotes
// nothing a terminal would act on; an accepted history is whole.
TEST(MarketHistoryFuzzTest, EveryDamagedFileIsRefusedCleanlyOrReadWhole) {
  std::mt19937 random(20261208u);
  const std::string valid = ValidHistory();
  int refused = 0;
  for (int iteration = 0; iteration < 3000; ++iteration) {
    std::string text = HostileChange(random, valid);
    if (iteration % 3 == 0) text = HostileChange(random, text);
    const MarketHistoryResult result = ParseMarketHistory(text, "h\x1b[2J.csv");
    if (!result.ok()) {
      ++refused;
      ASSERT_EQ(result.error.rfind("h\\x1B[2J.csv:", 0), 0u) << result.error;
      ASSERT_TRUE(PrintableMessage(result.error)) << result.error;
      ASSERT_LT(result.error.size(), 400u);
      ASSERT_TRUE(result.history.years.empty());
      continue;
    }
    ASSERT_FALSE(result.history.years.empty());
    for (std::size_t i = 0; i < result.history.years.size(); ++i) {
      const MarketYear& year = result.history.years[i];
      if (i > 0) {
        ASSERT_EQ(year.year, result.history.years[i - 1].year + 1);
      }
      for (const long double value : {year.inflation, year.stocks, year.bonds, year.realEstate}) {
        ASSERT_TRUE(std::isfinite(value));
        ASSERT_GT(value, -100.0L);
      }
    }
  }
  EXPECT_GT(refused, 500);
}

}  // namespace
