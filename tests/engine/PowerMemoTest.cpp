#include "engine/PowerMemo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

TEST(PowerMemoTest, AnswersWhatPowGivesForEveryBaseAndExponent) {
  PowerMemo memo;
  // More bases than it keeps rows for, exponents inside and outside its rows,
  // each asked twice so the second answer comes from the row.
  for (int round = 0; round < 2; ++round) {
    for (int b = 0; b < 12; ++b) {
      const long double base = 1.0L + (b - 3) / 97.0L;
      for (const std::int64_t n : {-300, -3, -1, 0, 1, 2, 3, 4, 45, 66, 191, 192, 250, 5000}) {
        const long double expected = std::pow(base, static_cast<long double>(n));
        ASSERT_TRUE(SameBits(memo.Power(base, n), expected)) << "base " << b << " exponent " << n;
      }
    }
  }
}

TEST(PowerMemoTest, FirstTwoPowersMatchPowAtTheEdgesOfTheRange) {
  PowerMemo memo;
  for (const long double base : {1.0000000000000000001L, 0.99999999999999999L, -1.7L, 3.0e2465L, -3.0e2465L, 1.0e-2470L,
                                 -1.0e-4940L, 1.0e-4950L, 1.1892071150027210667L, 7.0e1233L}) {
    for (const std::int64_t n : {1, 2}) {
      const long double expected = std::pow(base, static_cast<long double>(n));
      ASSERT_TRUE(SameBits(memo.Power(base, n), expected)) << static_cast<double>(base) << "^" << n;
    }
  }
  // Squares of many bases near the growth factors a plan uses.
  long double base = 1.0L;
  for (int i = 0; i < 20000; ++i) {
    base = base * 1.000731L + 1.0e-7L;
    ASSERT_TRUE(SameBits(memo.Power(base, 2), std::pow(base, 2.0L))) << i;
  }
}

TEST(PowerMemoTest, KeepsSignedZerosAndNaNApart) {
  PowerMemo memo;
  EXPECT_EQ(memo.Power(0.0L, 3), 0.0L);
  EXPECT_TRUE(std::signbit(memo.Power(-0.0L, 3)));
  EXPECT_FALSE(std::signbit(memo.Power(0.0L, 3)));
  EXPECT_TRUE(std::isnan(memo.Power(std::nanl(""), 5)));
  EXPECT_EQ(memo.Power(std::nanl(""), 0), 1.0L);
  EXPECT_EQ(memo.Power(-2.0L, 3), -8.0L);
  EXPECT_EQ(memo.Power(2.0L, 3), 8.0L);
}

}  // namespace
