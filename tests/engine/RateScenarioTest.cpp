#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "engine/RatePathCsv.h"
#include "engine/RateScenario.h"

namespace {

// A rate typed or read as text: both sides parse the same digits.
struct Rate {
  std::string text;
  long double value() const { return std::strtold(text.c_str(), nullptr); }
};

Rate RandomRate(std::mt19937& random) {
  return {std::to_string(std::uniform_int_distribution<int>(-5000, 12000)(random) / 100) + "." +
          std::to_string(std::uniform_int_distribution<int>(10, 99)(random))};
}

// Typed overrides give the rates of a rate file that holds the same rows and
// stops after the last year they change.
TEST(RateScenarioTest, EqualsAShortRateFileWithThoseRows) {
  std::mt19937 random(23);
  for (int trial = 0; trial < 300; ++trial) {
    PlanRecord plan;
    plan.CurrentYear = 2026;
    std::array<Rate, 4> own;
    for (Rate& rate : own) rate = RandomRate(random);
    plan.InflationRate = own[0].value();
    plan.TaxableReturn = own[1].value();
    plan.TaxDeferredReturn = own[2].value();
    plan.RealEstateGrowth = own[3].value();

    std::vector<RateOverride> changes;
    std::vector<std::array<Rate, 4>> rows;
    const int count = std::uniform_int_distribution<int>(1, 3)(random);
    for (int c = 0; c < count; ++c) {
      const int series = std::uniform_int_distribution<int>(0, 3)(random);
      const int first = std::uniform_int_distribution<int>(0, kForecastRows - 1)(random);
      const int years = std::uniform_int_distribution<int>(1, 90)(random);
      const Rate value = RandomRate(random);
      changes.push_back({kRateSeries[static_cast<std::size_t>(series)], plan.CurrentYear + first, years, value.value()});
      for (int a = first; a < std::min(first + years, kForecastRows); ++a) {
        while (static_cast<int>(rows.size()) <= a) rows.push_back(own);
        rows[static_cast<std::size_t>(a)][static_cast<std::size_t>(series)] = value;
      }
    }
    std::string csv = std::string(kRatePathHeader) + "\n";
    for (std::size_t a = 0; a < rows.size(); ++a) {
      csv += std::to_string(plan.CurrentYear + static_cast<int>(a));
      for (const Rate& rate : rows[a]) csv += "," + rate.text;
      csv += "\n";
    }
    std::istringstream in(csv);
    const RatePathRead read = ReadRatePathCsv(in, "s.csv", plan.CurrentYear, kForecastRows);
    ASSERT_TRUE(read.path) << read.message;
    const RatePath file = read.path->WithPlanRatesFrom(read.yearsGiven + 1, plan);
    const RatePath typed = ScenarioPath(plan, changes);
    // The scenario saved as a rate file holds the same rows and reads back to the same rates.
    std::istringstream saved(ScenarioCsv(plan, changes));
    const RatePathRead reread = ReadRatePathCsv(saved, "saved.csv", plan.CurrentYear, kForecastRows);
    ASSERT_TRUE(reread.path) << reread.message;
    ASSERT_EQ(reread.yearsGiven, std::max<int>(1, static_cast<int>(rows.size())));
    const RatePath savedPath = reread.path->WithPlanRatesFrom(reread.yearsGiven + 1, plan);
    for (int a = 1; a <= kForecastRows; ++a) {
      ASSERT_EQ(typed.Year(a).Inflation, file.Year(a).Inflation) << trial << " year " << a;
      ASSERT_EQ(typed.Year(a).TaxableReturn, file.Year(a).TaxableReturn) << trial << " year " << a;
      ASSERT_EQ(typed.Year(a).TaxDeferredReturn, file.Year(a).TaxDeferredReturn) << trial << " year " << a;
      ASSERT_EQ(typed.Year(a).RealEstateGrowth, file.Year(a).RealEstateGrowth) << trial << " year " << a;
      ASSERT_EQ(savedPath.Year(a).Inflation, file.Year(a).Inflation) << trial << " year " << a;
      ASSERT_EQ(savedPath.Year(a).TaxableReturn, file.Year(a).TaxableReturn) << trial << " year " << a;
      ASSERT_EQ(savedPath.Year(a).TaxDeferredReturn, file.Year(a).TaxDeferredReturn) << trial << " year " << a;
      ASSERT_EQ(savedPath.Year(a).RealEstateGrowth, file.Year(a).RealEstateGrowth) << trial << " year " << a;
    }
  }
}

TEST(RateScenarioTest, RefusesWhatCannotRunAndNamesTheRest) {
  PlanRecord plan;
  plan.CurrentYear = 2026;
  EXPECT_EQ(RateOverrideProblem(plan, {RateSeries::Inflation, 2026, 10, 5.0L}), "");
  EXPECT_NE(RateOverrideProblem(plan, {RateSeries::Inflation, 2025, 10, 5.0L}), "");
  EXPECT_NE(RateOverrideProblem(plan, {RateSeries::Inflation, 2026 + kForecastRows, 1, 5.0L}), "");
  EXPECT_NE(RateOverrideProblem(plan, {RateSeries::Inflation, 2026, 0, 5.0L}), "");
  EXPECT_NE(RateOverrideProblem(plan, {RateSeries::TaxableReturn, 2026, 1, -100.0L}), "");
  // Years outside the forecast, however far, change nothing and overflow nothing.
  const RatePath far = ScenarioPath(plan, {{RateSeries::Inflation, INT64_MIN, 1 << 30, 9.0L},
                                           {RateSeries::Inflation, INT64_MAX, 1 << 30, 9.0L}});
  EXPECT_EQ(far.Year(1).Inflation, plan.InflationRate);
  EXPECT_EQ(ScenarioName({{RateSeries::Inflation, 2026, 10, 5.0L}}), "Inflation 5 % 2026-2035");
  EXPECT_EQ(ScenarioName({{RateSeries::RealEstateGrowth, 2030, 1, -2.5L}}), "Home growth -2.5 % 2030");
}

}  // namespace

namespace {

// A nominal return keeps its typed figure before inflation in every year it
// covers, whatever inflation the scenario gives those years; outside them the
// plan's own rates stay.
TEST(RateScenarioTest, ANominalReturnIsTheTypedFigureLessEachYearsInflation) {
  PlanRecord plan;
  plan.CurrentYear = 2026;
  plan.InflationRate = 3.0L;
  plan.TaxableReturn = 4.5L;
  const RateOverride higherInflation{RateSeries::Inflation, 2028, 5, 5.25L};
  const RateOverride nominalReturn{RateSeries::TaxableReturn, 2026, 10, 7.0L, true};
  for (const auto& changes : {std::vector{higherInflation, nominalReturn}, std::vector{nominalReturn, higherInflation}}) {
    const RatePath path = ScenarioPath(plan, changes);
    for (int a = 1; a <= 10; ++a) {
      EXPECT_EQ(path.Year(a).Inflation, a >= 3 && a <= 7 ? 5.25L : 3.0L) << a;
      EXPECT_EQ(path.Year(a).Inflation + path.Year(a).TaxableReturn, 7.0L) << a;
    }
    EXPECT_EQ(path.Year(11).TaxableReturn, 4.5L);
  }
  EXPECT_EQ(ScenarioName({nominalReturn}), "Taxable return 7 % nominal 2026-2035");
}

}  // namespace
