#include <gtest/gtest.h>

#include <limits>

#include "ComparisonTestPlans.h"
#include "compare/Attribution.h"
#include "compare/ComparisonMetric.h"
#include "compare/Difference.h"
#include "compare/PlanMixer.h"

namespace {

PlanRecord Sample() {
  std::mt19937_64 random(3);
  return comparetest::GeneratedPlan(random);
}

// With two inputs each part is the average of its effect applied first and
// applied second; the exact half goes to the even dollar.
TEST(AttributionTest, TwoInputsShareTheAverageOfBothOrders) {
  const PlanRecord base = Sample();
  PlanRecord other = base;
  other.TaxableReturn += 1.0L;
  other.TaxableBalance += 100000;
  const PlanDiff diff = DiffPlans(base, other);
  ASSERT_EQ(diff.changedInputs.size(), 2u);
  const PlanMixer mixer(base, other, diff.changedInputs);
  const ComparisonMetric metric = DefaultMetric();
  const std::int64_t none = MetricOf(metric, base);
  const std::int64_t first = MetricOf(metric, mixer.Mix({true, false}));
  const std::int64_t second = MetricOf(metric, mixer.Mix({false, true}));
  const std::int64_t both = MetricOf(metric, other);
  const Attribution shapley =
      Attribute(base, other, diff.changedInputs, metric, none, both, AttributionMethod::Shapley);
  // Interaction of a higher return with a larger balance is shared equally.
  const std::int64_t twiceFirst = (first - none) + (both - second);
  const std::int64_t below = twiceFirst >= 0 ? twiceFirst / 2 : (twiceFirst - 1) / 2;
  const std::int64_t expected = twiceFirst % 2 == 0 || below % 2 == 0 ? below : below + 1;
  EXPECT_EQ(shapley.parts[0], expected);
  EXPECT_EQ(shapley.parts[0] + shapley.parts[1] + shapley.rounding, both - none);
  EXPECT_EQ(shapley.forecasts, 4);

  const Attribution sequential =
      Attribute(base, other, diff.changedInputs, metric, none, both, AttributionMethod::Sequential);
  EXPECT_EQ(sequential.parts, (std::vector<std::int64_t>{first - none, both - first}));
}

TEST(AttributionTest, TooManyInputsForShapleyFallBackToSequentialWithANote) {
  const PlanRecord base = Sample();
  PlanRecord other = base;
  for (auto field :
       {&PlanRecord::Salary1, &PlanRecord::Salary2, &PlanRecord::TaxableBalance, &PlanRecord::TaxDeferredBalance,
        &PlanRecord::CurrentDebt, &PlanRecord::HomeValue, &PlanRecord::HomeInsurance, &PlanRecord::HomeUtilities,
        &PlanRecord::HomeSupplies, &PlanRecord::HomeRepair, &PlanRecord::HomeMisc}) {
    other.*field += 1000;
  }
  const PlanDiff diff = DiffPlans(base, other);
  ASSERT_EQ(diff.changedInputs.size(), 11u);
  const ComparisonMetric metric = DefaultMetric();
  const Attribution result =
      Attribute(base, other, diff.changedInputs, metric, MetricOf(metric, base), MetricOf(metric, other), {});
  EXPECT_EQ(result.method, AttributionMethod::Sequential);
  EXPECT_NE(result.note.find("11 changed inputs"), std::string::npos);
  EXPECT_EQ(result.forecasts, 12);
}

TEST(AttributionTest, MetricsNameAYearFieldAndHowItIsTaken) {
  ASSERT_TRUE(ParseMetric("NetWorth"));
  EXPECT_EQ(MetricName(*ParseMetric("NetWorth")), "NetWorth:last");
  EXPECT_EQ(MetricName(*ParseMetric("IncomeTaxes:sum")), "IncomeTaxes:sum");
  EXPECT_EQ(MetricName(*ParseMetric("UnfundedShortfall:last")), "UnfundedShortfall:last");
  for (const char* refused : {"", "networth", "NetWorth:", "NetWorth:avg", ":sum", "Net Worth"}) {
    EXPECT_FALSE(ParseMetric(refused)) << refused;
  }
}

TEST(AttributionTest, SummedMetricsAddEveryYear) {
  const PlanRecord plan = Sample();
  const std::int64_t last = MetricOf(*ParseMetric("Expenses"), plan);
  const std::int64_t sum = MetricOf(*ParseMetric("Expenses:sum"), plan);
  EXPECT_GT(sum, last * 10);
}

TEST(AttributionTest, DifferencesStayNegatableAtTheEnds) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  using Pair = std::pair<std::int64_t, std::int64_t>;
  for (auto [a, b] : {Pair{kMin, kMax}, Pair{kMax, kMin}, Pair{0, kMin}, Pair{-5, kMax}, Pair{12, -30}}) {
    EXPECT_EQ(Difference(a, b), -Difference(b, a)) << a << " " << b;
  }
  EXPECT_EQ(Difference(12, -30), -42);
  EXPECT_EQ(Difference(kMin, kMax), kMax);
  EXPECT_EQ(HeldSum(kMax, 1), kMax);
  EXPECT_EQ(HeldSum(kMin, -1), -kMax);
}

}  // namespace
