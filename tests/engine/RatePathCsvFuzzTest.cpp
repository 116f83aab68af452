#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

#include "engine/RatePathCsv.h"
#include "support/HostileText.h"

namespace {

constexpr int kYears = 46;

std::string ValidPath() {
  std::string text = std::string(kRatePathHeader) + "\n";
  for (int i = 0; i < kYears + 4; ++i) {
    text += std::to_string(2026 + i) + "," + std::to_string(i % 5) + ".25,-3." + std::to_string(i % 10) + ",6,1\n";
  }
  return text;
}

// Damaged rate files: a refusal names the file and a line and quotes nothing
// a terminal would act on; an accepted path holds finite rates for every year.
TEST(RatePathCsvFuzzTest, EveryDamagedFileIsRefusedCleanlyOrReadWhole) {
  std::mt19937 random(20261208u);
  const std::string valid = ValidPath();
  int refused = 0;
  for (int iteration = 0; iteration < 3000; ++iteration) {
    std::string text = HostileChange(random, valid);
    if (iteration % 3 == 0) text = HostileChange(random, text);
    std::istringstream in(text);
    const RatePathRead read = ReadRatePathCsv(in, "r\x07.csv", 2026, kYears);
    if (!read.path) {
      ++refused;
      ASSERT_EQ(read.message.rfind("r\\x07.csv:", 0), 0u) << read.message;
      ASSERT_TRUE(PrintableMessage(read.message)) << read.message;
      ASSERT_LT(read.message.size(), 400u);
      continue;
    }
    ASSERT_TRUE(read.message.empty());
    for (int a = 1; a <= kYears; ++a) {
      const YearRates& rates = read.path->Year(a);
      for (const long double value : {rates.Inflation, rates.TaxableReturn, rates.TaxDeferredReturn,
                                      rates.RealEstateGrowth}) {
        ASSERT_TRUE(std::isfinite(value)) << a;
      }
    }
  }
  EXPECT_GT(refused, 500);
}

}  // namespace
