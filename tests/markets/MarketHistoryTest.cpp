#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "markets/MarketHistory.h"

namespace {

MarketHistoryResult Parse(const std::string& text) { return ParseMarketHistory(text, "h.csv"); }

TEST(MarketHistoryTest, ReadsColumnsByNameInAnyOrder) {
  const MarketHistoryResult result = Parse(
      "\xEF\xBB\xBFYear, Stocks ,Bonds,Inflation,RealEstate\r\n"
      "1990,-3.1,9,6.1,2\r\n"
      "\r\n"
      "1991,30.5,16,3.1,-4.5e0\r\n");
  ASSERT_TRUE(result.ok()) << result.error;
  ASSERT_EQ(result.history.years.size(), 2u);
  EXPECT_TRUE(result.history.hasRealEstate);
  const MarketYear& first = result.history.years[0];
  EXPECT_EQ(first.year, 1990);
  EXPECT_EQ(first.stocks, -3.1L);
  EXPECT_EQ(first.bonds, 9.0L);
  EXPECT_EQ(first.inflation, 6.1L);
  EXPECT_EQ(result.history.years[1].realEstate, -4.5L);
}

TEST(MarketHistoryTest, RealEstateColumnIsOptional) {
  const MarketHistoryResult result = Parse("Year,Inflation,Stocks,Bonds\n2000,2,-9,11\n");
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_FALSE(result.history.hasRealEstate);
  EXPECT_EQ(result.history.years.size(), 1u);
}

struct BadFile {
  const char* text;
  const char* error;
};

// Each refusal names the file and the line, and says what is wrong there.
TEST(MarketHistoryTest, EachBadFileGivesItsError) {
  const BadFile cases[] = {
      {"", "h.csv:1: the file is empty"},
      {"Year,Inflation,Stocks,Bonds\n", "h.csv:1: the file has a header but no years"},
      {"Year,Inflation,Stocks\n2000,1,2\n", "h.csv:1: the header has no Bonds column"},
      {"Year,Inflation,Stocks,Bonds,Gold\n", "h.csv:1: unknown column \"Gold\""},
      {"Year,Inflation,Stocks,Bonds,Stocks\n", "h.csv:1: column Stocks appears twice"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3\n2000,1,2,3\n", "h.csv:3: year 2000 is repeated"},
      {"Year,Inflation,Stocks,Bonds\n2001,1,2,3\n2000,1,2,3\n", "h.csv:3: year 2000 comes after 2001"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3\n2002,1,2,3\n", "h.csv:3: year 2002 leaves a gap after 2000"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2\n", "h.csv:2: expected 4 values, found 3"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3,4\n", "h.csv:2: expected 4 values, found 5"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3\n2001,1,twelve,3\n",
       "h.csv:3: Stocks \"twelve\" is not a finite number"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3\n2001,1,2,NaN\n", "h.csv:3: Bonds \"NaN\" is not a finite number"},
      {"Year,Inflation,Stocks,Bonds\n2000,inf,2,3\n", "h.csv:2: Inflation \"inf\" is not a finite number"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,\n", "h.csv:2: Bonds \"\" is not a finite number"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,2,3%\n", "h.csv:2: Bonds \"3%\" is not a finite number"},
      {"Year,Inflation,Stocks,Bonds\n1999.5,1,2,3\n", "h.csv:2: the year \"1999.5\" is not a whole number"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,-100,3\n", "h.csv:2: Stocks -100 is not above -100 and at most 1,000 percent"},
      {"Year,Inflation,Stocks,Bonds\n2000,1e300,1,3\n", "h.csv:2: Inflation 1e300 is not above -100 and at most 1,000 percent"},
      {"Year,Inflation,Stocks,Bonds\n2000,1,1e5000,3\n", "h.csv:2: Stocks \"1e5000\" is not a finite number"},
  };
  for (const BadFile& bad : cases) {
    const MarketHistoryResult result = Parse(bad.text);
    EXPECT_FALSE(result.ok()) << bad.text;
    EXPECT_EQ(result.error.rfind(bad.error, 0), 0u) << "got: " << result.error;
    EXPECT_TRUE(result.history.years.empty());
  }
}

TEST(MarketHistoryTest, ReadsFromDiskAndNamesAMissingFile) {
  const std::string path = ::testing::TempDir() + "market_history_test.csv";
  {
    std::ofstream out(path);
    out << "Year,Inflation,Stocks,Bonds\n1926,-1.1,11.6,7.8\n1927,-2.3,37.5,8.9\nbad\n";
  }
  const MarketHistoryResult bad = ReadMarketHistory(path);
  EXPECT_EQ(bad.error, path + ":4: expected 4 values, found 1");
  std::remove(path.c_str());
  const MarketHistoryResult missing = ReadMarketHistory(path);
  EXPECT_EQ(missing.error, path + ": cannot open the history file");
}

}  // namespace
