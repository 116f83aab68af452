#include <gtest/gtest.h>

#include <cmath>

#include "odds/Correlation.h"

namespace {

Matrix4 Rebuild(const Matrix4& l) {
  Matrix4 c{};
  for (std::size_t i = 0; i < kRateSeriesCount; ++i) {
    for (std::size_t j = 0; j < kRateSeriesCount; ++j) {
      for (std::size_t k = 0; k < kRateSeriesCount; ++k) c[i][j] += l[i][k] * l[j][k];
    }
  }
  return c;
}

void ExpectFactorRebuilds(const Correlation& correlation) {
  const auto factor = CholeskyFactor(correlation);
  ASSERT_TRUE(factor);
  const Matrix4 rebuilt = Rebuild(*factor);
  for (std::size_t i = 0; i < kRateSeriesCount; ++i) {
    for (std::size_t j = 0; j < kRateSeriesCount; ++j) {
      EXPECT_NEAR(rebuilt[i][j], correlation.Values()[i][j], 1e-12) << i << "," << j;
      if (j > i) {
        EXPECT_EQ((*factor)[i][j], 0.0) << "not lower-triangular at " << i << "," << j;
      }
    }
  }
}

TEST(CorrelationTest, DefaultIsSymmetricAndHasAFactor) {
  const Correlation correlation = Correlation::Default();
  EXPECT_EQ(correlation.Get(RateSeries::DeferredReturn, RateSeries::TaxableReturn),
            correlation.Get(RateSeries::TaxableReturn, RateSeries::DeferredReturn));
  EXPECT_EQ(correlation.Get(RateSeries::RealEstateGrowth, RateSeries::Inflation),
            correlation.Get(RateSeries::Inflation, RateSeries::RealEstateGrowth));
  EXPECT_EQ(correlation.Get(RateSeries::Inflation, RateSeries::Inflation), 1.0);
  ExpectFactorRebuilds(correlation);
}

TEST(CorrelationTest, FactorsEveryPossibleMatrixIncludingPerfectLinks) {
  Correlation mixed;
  mixed.Set(RateSeries::Inflation, RateSeries::TaxableReturn, -0.3);
  mixed.Set(RateSeries::Inflation, RateSeries::RealEstateGrowth, 0.5);
  mixed.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 0.8);
  ExpectFactorRebuilds(mixed);

  Correlation perfect;
  perfect.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 1.0);
  ExpectFactorRebuilds(perfect);
  // Setting the diagonal is ignored: a series always moves with itself.
  perfect.Set(RateSeries::Inflation, RateSeries::Inflation, 0.2);
  EXPECT_EQ(perfect.Get(RateSeries::Inflation, RateSeries::Inflation), 1.0);
}

TEST(CorrelationTest, RefusesMatricesNoSeriesCanHave) {
  Correlation outOfRange;
  outOfRange.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 1.2);
  EXPECT_FALSE(CholeskyFactor(outOfRange));

  // A moves with B and B with C, yet A against C: impossible together.
  Correlation contradictory;
  contradictory.Set(RateSeries::Inflation, RateSeries::TaxableReturn, 0.9);
  contradictory.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 0.9);
  contradictory.Set(RateSeries::Inflation, RateSeries::DeferredReturn, -0.9);
  EXPECT_FALSE(CholeskyFactor(contradictory));

  // Perfectly linked A and B must agree with C.
  Correlation inconsistentPerfect;
  inconsistentPerfect.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 1.0);
  inconsistentPerfect.Set(RateSeries::Inflation, RateSeries::TaxableReturn, 0.5);
  EXPECT_FALSE(CholeskyFactor(inconsistentPerfect));

  Correlation notANumber;
  notANumber.Set(RateSeries::Inflation, RateSeries::TaxableReturn, std::nan(""));
  EXPECT_FALSE(CholeskyFactor(notANumber));
}

TEST(CorrelationTest, SeriesNamesRoundTrip) {
  for (int i = 0; i < kRateSeriesCount; ++i) {
    const auto series = static_cast<RateSeries>(i);
    EXPECT_EQ(SeriesByName(SeriesName(series)), series);
  }
  EXPECT_FALSE(SeriesByName("stocks"));
}

}  // namespace
