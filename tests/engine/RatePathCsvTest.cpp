#include <gtest/gtest.h>

#include <sstream>

#include "engine/RatePathCsv.h"

namespace {

const std::string kHeader = std::string(kRatePathHeader) + "\n";

RatePathRead Read(const std::string& text, int years = 3) {
  std::istringstream in(text);
  return ReadRatePathCsv(in, "r.csv", 2030, years);
}

TEST(RatePathCsvTest, ReadsOneRowPerYearAndIgnoresTheRest) {
  const RatePathRead read = Read(kHeader +
                                 "2030,2.5,4,5,1\r\n"
                                 "2031, -1.25 ,0,0,0\n"
                                 "2032,3,3,3,3\n"
                                 "2033,not,read,at,all\n");
  ASSERT_TRUE(read.path) << read.message;
  EXPECT_EQ(read.path->Year(1).Inflation, 2.5L);
  EXPECT_EQ(read.path->Year(1).TaxableReturn, 4.0L);
  EXPECT_EQ(read.path->Year(1).TaxDeferredReturn, 5.0L);
  EXPECT_EQ(read.path->Year(1).RealEstateGrowth, 1.0L);
  EXPECT_EQ(read.path->Year(2).Inflation, -1.25L);
  EXPECT_EQ(read.path->Year(3).RealEstateGrowth, 3.0L);
  EXPECT_EQ(read.path->Years(), 3);
  // A short file may end in empty lines.
  const RatePathRead shortFile = Read(kHeader + "2030,2.5,4,5,1\n\n \r\n");
  ASSERT_TRUE(shortFile.path) << shortFile.message;
  EXPECT_EQ(shortFile.path->Years(), 1);
}

// Each refusal names the file and the line.
TEST(RatePathCsvTest, RefusesWhatItCannotUse) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "r.csv:1: expected the header"},
      {"Year,Inflation\n2030,1\n", "r.csv:1: expected the header"},
      {kHeader, "r.csv:2: the file holds no rates"},
      {kHeader + "2030,1,2,3\n", "r.csv:2: expected 5 columns, found 4"},
      {kHeader + "2030,1,2,3,4,5\n", "r.csv:2: expected 5 columns, found 6"},
      {kHeader + "2030,1,2,3,4\n2031,1,x,3,4\n", "r.csv:3: TaxableReturn \"x\" is not a finite number"},
      {kHeader + "2030,nan,2,3,4\n", "r.csv:2: Inflation \"nan\" is not a finite number"},
      {kHeader + "2030,1,2,inf,4\n", "r.csv:2: TaxDeferredReturn \"inf\" is not a finite number"},
      {kHeader + "2030,1,2,3,1e5000\n", "r.csv:2: RealEstateGrowth \"1e5000\" is not a finite number"},
      {kHeader + "2030,1,2,3,\n", "r.csv:2: RealEstateGrowth \"\" is not a finite number"},
      {kHeader + "2030,1.5.2,2,3,4\n", "r.csv:2: Inflation \"1.5.2\" is not a finite number"},
      {kHeader + "2031,1,2,3,4\n", "r.csv:2: expected the year 2030, found 2031"},
      {kHeader + "2030,1,2,3,4\n\n2031,1,2,3,4\n", "r.csv:3: an empty line comes before more rows"},
      {kHeader + std::string(5000, '1') + "\n", "r.csv:2: the line is too long"},
  };
  for (const auto& [text, message] : cases) {
    const RatePathRead read = Read(text);
    EXPECT_FALSE(read.path) << message;
    EXPECT_EQ(read.message.substr(0, message.size()), message) << read.message;
  }
}

TEST(RatePathCsvTest, MissingFileIsNamed) {
  const RatePathRead read = ReadRatePathCsv("/nonexistent/rates.csv", 2030, 3);
  EXPECT_FALSE(read.path);
  EXPECT_NE(read.message.find("/nonexistent/rates.csv"), std::string::npos);
}

}  // namespace
