#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/ForecastTable.h"
#include "odds/MonteCarloModel.h"
#include "odds/RateAssumptions.h"

namespace {

long double Field(const YearRates& year, int series) {
  switch (static_cast<RateSeries>(series)) {
    case RateSeries::Inflation:
      return year.Inflation;
    case RateSeries::TaxableReturn:
      return year.TaxableReturn;
    case RateSeries::DeferredReturn:
      return year.TaxDeferredReturn;
    case RateSeries::RealEstateGrowth:
      return year.RealEstateGrowth;
  }
  return 0.0L;
}

PlanRecord RatesPlan() {
  PlanRecord plan;
  plan.Age1 = 45;
  plan.InflationRate = 3.0L;
  plan.TaxableReturn = 4.5L;
  plan.TaxDeferredReturn = 5.0L;
  plan.RealEstateGrowth = 1.0L;
  return plan;
}

// Every year of every trial as one sample of the four rates.
std::vector<YearRates> Draws(const PlanRecord& plan, const MonteCarloSettings& settings) {
  const MonteCarloModel model(plan, settings);
  std::vector<YearRates> draws;
  for (int trial = 0; trial < model.TrialCount(); ++trial) {
    const TrialRates path = model.Path(trial);
    draws.insert(draws.end(), path.begin(), path.end());
  }
  return draws;
}

struct Moments {
  double mean = 0.0;
  double deviation = 0.0;
};

Moments MomentsOf(const std::vector<YearRates>& draws, int series) {
  double sum = 0.0;
  double squares = 0.0;
  for (const YearRates& year : draws) {
    const double x = static_cast<double>(Field(year, series));
    sum += x;
    squares += x * x;
  }
  const double n = static_cast<double>(draws.size());
  const double mean = sum / n;
  return {mean, std::sqrt(squares / n - mean * mean)};
}

double LogCorrelation(const std::vector<YearRates>& draws, int a, int b) {
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  for (const YearRates& year : draws) {
    const double x = std::log1p(static_cast<double>(Field(year, a)) / 100.0);
    const double y = std::log1p(static_cast<double>(Field(year, b)) / 100.0);
    sa += x;
    sb += y;
    saa += x * x;
    sbb += y * y;
    sab += x * y;
  }
  const double n = static_cast<double>(draws.size());
  const double cov = sab / n - (sa / n) * (sb / n);
  return cov / std::sqrt((saa / n - (sa / n) * (sa / n)) * (sbb / n - (sb / n) * (sb / n)));
}

// Each series has the plan's rate as its mean and the set deviation, within
// four standard errors over 460,000 yearly draws.
TEST(MonteCarloModelTest, DrawsHaveThePlansMeansAndTheSetDeviations) {
  const PlanRecord plan = RatesPlan();
  MonteCarloSettings settings;
  settings.trials = 10000;
  settings.seed = 77;
  const std::vector<YearRates> draws = Draws(plan, settings);
  ASSERT_EQ(draws.size(), static_cast<std::size_t>(settings.trials * RowCount(plan)));
  const long double rates[] = {plan.InflationRate, plan.TaxableReturn, plan.TaxDeferredReturn, plan.RealEstateGrowth};
  const double n = static_cast<double>(draws.size());
  for (int series = 0; series < kRateSeriesCount; ++series) {
    const Moments moments = MomentsOf(draws, series);
    const double sd = static_cast<double>(settings.deviations[static_cast<std::size_t>(series)]);
    // Years of one trial are independent draws, so n counts every year.
    EXPECT_NEAR(moments.mean, static_cast<double>(rates[series]), 4.0 * sd / std::sqrt(n)) << "series " << series;
    // A lognormal's sample deviation varies a little more than a normal's.
    EXPECT_NEAR(moments.deviation, sd, 6.0 * sd / std::sqrt(2.0 * n)) << "series " << series;
  }
}

TEST(MonteCarloModelTest, DrawsHaveTheSetCorrelationInLogSpace) {
  const PlanRecord plan = RatesPlan();
  MonteCarloSettings settings;
  settings.trials = 4000;
  settings.correlation = Correlation();
  settings.correlation.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 0.9);
  settings.correlation.Set(RateSeries::Inflation, RateSeries::RealEstateGrowth, -0.4);
  const std::vector<YearRates> draws = Draws(plan, settings);
  const double n = static_cast<double>(draws.size());
  // The standard error of a sample correlation is (1 - rho^2) / sqrt(n).
  const auto expectCorrelation = [&](RateSeries a, RateSeries b, double rho) {
    EXPECT_NEAR(LogCorrelation(draws, static_cast<int>(a), static_cast<int>(b)), rho,
                4.0 * (1.0 - rho * rho) / std::sqrt(n))
        << SeriesName(a) << " / " << SeriesName(b);
  };
  expectCorrelation(RateSeries::TaxableReturn, RateSeries::DeferredReturn, 0.9);
  expectCorrelation(RateSeries::Inflation, RateSeries::RealEstateGrowth, -0.4);
  expectCorrelation(RateSeries::Inflation, RateSeries::TaxableReturn, 0.0);
  expectCorrelation(RateSeries::DeferredReturn, RateSeries::RealEstateGrowth, 0.0);
}

TEST(MonteCarloModelTest, ZeroDeviationKeepsThePlansRateExactly) {
  const PlanRecord plan = RatesPlan();
  MonteCarloSettings settings;
  settings.trials = 50;
  settings.deviations = {0.0L, 12.0L, 0.0L, 0.0L};
  for (const YearRates& year : Draws(plan, settings)) {
    ASSERT_EQ(year.Inflation, plan.InflationRate);
    ASSERT_EQ(year.TaxDeferredReturn, plan.TaxDeferredReturn);
    ASSERT_EQ(year.RealEstateGrowth, plan.RealEstateGrowth);
  }
}

// What the odds page says a model assumes: a series without swing is the
// plan's own rate above inflation; one with swing has about the set deviation.
TEST(MonteCarloModelTest, MeasuredAssumptionsAreThePlansRealRatesAndTheSetSwings) {
  const PlanRecord plan = RatesPlan();
  MonteCarloSettings settings;
  settings.trials = 400;
  settings.deviations = {0.0L, 12.0L, 0.0L, 0.0L};
  const RateAssumptions assumed = MeasureRateAssumptions(MonteCarloModel(plan, settings), 400);
  const auto& series = assumed.series;
  EXPECT_NEAR(series[0].mean, static_cast<double>(plan.InflationRate), 1e-9);
  EXPECT_NEAR(series[2].mean, static_cast<double>(plan.TaxDeferredReturn), 1e-9);
  EXPECT_NEAR(series[3].mean, static_cast<double>(plan.RealEstateGrowth), 1e-9);
  EXPECT_EQ(series[2].swing, 0.0);
  EXPECT_NEAR(series[1].mean, static_cast<double>(plan.TaxableReturn), 0.6);
  EXPECT_NEAR(series[1].swing, 12.0, 0.6);
}

// Switching one series off must not reshuffle the draws of the others.
TEST(MonteCarloModelTest, OneSeriesDeviationLeavesTheOthersDrawsAlone) {
  const PlanRecord plan = RatesPlan();
  MonteCarloSettings settings;
  settings.trials = 3;
  settings.correlation = Correlation();
  const std::vector<YearRates> before = Draws(plan, settings);
  settings.deviations[static_cast<std::size_t>(RateSeries::RealEstateGrowth)] = 0.0L;
  const std::vector<YearRates> after = Draws(plan, settings);
  for (std::size_t i = 0; i < before.size(); ++i) {
    ASSERT_EQ(before[i].TaxableReturn, after[i].TaxableReturn);
    ASSERT_EQ(before[i].Inflation, after[i].Inflation);
  }
}

TEST(MonteCarloModelTest, RefusesSettingsItCannotRun) {
  MonteCarloSettings settings;
  EXPECT_EQ(MonteCarloModel::SettingsProblem(settings), "");
  settings.trials = 0;
  EXPECT_NE(MonteCarloModel::SettingsProblem(settings), "");
  settings.trials = 100001;
  EXPECT_NE(MonteCarloModel::SettingsProblem(settings), "");
  settings = MonteCarloSettings{};
  settings.deviations[0] = -1.0L;
  EXPECT_NE(MonteCarloModel::SettingsProblem(settings), "");
  settings.deviations[0] = std::nanl("");
  EXPECT_NE(MonteCarloModel::SettingsProblem(settings), "");
  settings = MonteCarloSettings{};
  settings.correlation.Set(RateSeries::TaxableReturn, RateSeries::DeferredReturn, -1.5);
  EXPECT_NE(MonteCarloModel::SettingsProblem(settings), "");
}

// A plan rate of -100 % or below has no lognormal around it: the series stays
// at the plan's rate instead of producing NaN.
TEST(MonteCarloModelTest, ImpossibleMeanKeepsThePlansRate) {
  PlanRecord plan = RatesPlan();
  plan.TaxableReturn = -150.0L;
  MonteCarloSettings settings;
  settings.trials = 5;
  for (const YearRates& year : Draws(plan, settings)) {
    ASSERT_EQ(year.TaxableReturn, -150.0L);
    ASSERT_TRUE(std::isfinite(year.TaxDeferredReturn));
  }
}

}  // namespace

// The means follow a rate path year by year: without swings every trial is
// the path; with them, changing one year's rate of one series moves that
// year's draw of that series alone, the same deviates shifted.
TEST(MonteCarloModelTest, MeansFollowARatePathYearByYear) {
  const PlanRecord plan = RatesPlan();
  RatePath path = RatePath::FromPlan(plan);
  YearRates third = path.Year(3);
  third.Inflation = 8.0L;
  path.SetYear(3, third);
  YearRates last = path.Year(RowCount(plan));
  last.TaxableReturn = -2.0L;
  path.SetYear(RowCount(plan), last);

  MonteCarloSettings flat;
  flat.trials = 4;
  flat.deviations = {0.0L, 0.0L, 0.0L, 0.0L};
  const TrialRates fixed = MonteCarloModel(plan, flat, path).Path(2);
  ASSERT_EQ(static_cast<int>(fixed.size()), RowCount(plan));
  for (int a = 1; a <= RowCount(plan); ++a) {
    ASSERT_EQ(fixed[static_cast<std::size_t>(a - 1)].Inflation, path.Year(a).Inflation) << a;
    ASSERT_EQ(fixed[static_cast<std::size_t>(a - 1)].TaxableReturn, path.Year(a).TaxableReturn) << a;
  }

  MonteCarloSettings swinging;
  swinging.trials = 5;
  const MonteCarloModel own(plan, swinging);
  const MonteCarloModel moved(plan, swinging, path);
  for (int trial = 0; trial < swinging.trials; ++trial) {
    const TrialRates before = own.Path(trial);
    const TrialRates after = moved.Path(trial);
    for (std::size_t y = 0; y < before.size(); ++y) {
      const bool third = y == 2;
      const bool lastYear = y + 1 == before.size();
      EXPECT_EQ(before[y].Inflation == after[y].Inflation, !third) << y;
      EXPECT_EQ(before[y].TaxableReturn == after[y].TaxableReturn, !lastYear) << y;
      EXPECT_EQ(before[y].TaxDeferredReturn, after[y].TaxDeferredReturn) << y;
      EXPECT_EQ(before[y].RealEstateGrowth, after[y].RealEstateGrowth) << y;
    }
    EXPECT_GT(after[2].Inflation, before[2].Inflation);
    EXPECT_LT(after.back().TaxableReturn, before.back().TaxableReturn);
  }
}
