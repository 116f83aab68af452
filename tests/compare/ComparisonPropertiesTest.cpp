#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "ComparisonTestPlans.h"
#include "compare/Comparison.h"
#include "compare/ComparisonForecast.h"
#include "compare/PlanMixer.h"
#include "engine/ForecastColumns.h"
#include "support/TenChangedInputs.h"

namespace {

using comparetest::Edited;
using comparetest::GeneratedPlan;

struct PlanPair {
  PlanRecord base;
  PlanRecord other;
};

// Pairs of generated plans, the second with one to ten fields edited.
std::vector<PlanPair> GeneratedPairs(std::uint64_t seed, int count) {
  std::mt19937_64 random(seed);
  std::vector<PlanPair> pairs;
  for (int i = 0; i < count; ++i) {
    PlanRecord base = GeneratedPlan(random);
    PlanRecord other = Edited(base, 1 + i % 10, random);
    pairs.push_back({base, other});
  }
  return pairs;
}

ComparisonOptions With(AttributionMethod method) {
  ComparisonOptions options;
  options.method = method;
  return options;
}

std::int64_t SumOfParts(const Attribution& attribution) {
  return std::accumulate(attribution.parts.begin(), attribution.parts.end(), attribution.rounding);
}

bool SameTable(const ForecastTable& a, const ForecastTable& b) {
  for (int row = 1; row <= kForecastRows; ++row) {
    for (const ForecastColumn& field : kForecastColumns) {
      if (a.Year(row).*field.field != b.Year(row).*field.field) return false;
    }
  }
  return true;
}

TEST(ComparisonPropertiesTest, APlanComparedWithItselfHasNoDifferences) {
  for (const PlanPair& pair : GeneratedPairs(11, 20)) {
    for (const PlanRecord* plan : {&pair.base, &pair.other}) {
      const Comparison comparison = ComparePlans(*plan, *plan, {});
      EXPECT_TRUE(comparison.Identical());
      EXPECT_TRUE(comparison.inputs.changedInputs.empty());
      for (const YearComparison& year : comparison.years) {
        ASSERT_TRUE(year.InBoth());
        for (std::int64_t difference : year.difference) EXPECT_EQ(difference, 0);
      }
      for (const SummaryLine& line : comparison.summary) EXPECT_EQ(line.difference.value_or(0), 0) << line.key;
      EXPECT_EQ(comparison.attribution.total, 0);
      EXPECT_TRUE(comparison.attribution.parts.empty());
    }
  }
}

TEST(ComparisonPropertiesTest, SwappingThePlansNegatesEveryDifference) {
  for (const PlanPair& pair : GeneratedPairs(12, 30)) {
    const Comparison forward = ComparePlans(pair.base, pair.other, With(AttributionMethod::Sequential));
    const Comparison backward = ComparePlans(pair.other, pair.base, With(AttributionMethod::Sequential));
    ASSERT_EQ(forward.inputs.inputChanges.size(), backward.inputs.inputChanges.size());
    for (std::size_t i = 0; i < forward.inputs.inputChanges.size(); ++i) {
      EXPECT_EQ(forward.inputs.inputChanges[i].line, backward.inputs.inputChanges[i].line);
      EXPECT_EQ(forward.inputs.inputChanges[i].baseValue, backward.inputs.inputChanges[i].otherValue);
    }
    EXPECT_EQ(forward.inputs.followingChanges.size(), backward.inputs.followingChanges.size());
    ASSERT_EQ(forward.years.size(), backward.years.size());
    for (std::size_t y = 0; y < forward.years.size(); ++y) {
      EXPECT_EQ(forward.years[y].inBase, backward.years[y].inOther);
      for (std::size_t f = 0; f < kYearFieldCount; ++f) {
        EXPECT_EQ(forward.years[y].difference[f], -backward.years[y].difference[f])
            << forward.years[y].year << " " << kForecastColumns[f].name;
      }
    }
    for (std::size_t s = 0; s < forward.summary.size(); ++s) {
      EXPECT_EQ(forward.summary[s].difference.value_or(0), -backward.summary[s].difference.value_or(0));
    }
    EXPECT_EQ(forward.attribution.total, -backward.attribution.total);
  }
}

// Mixing must never leave a changed field behind or move one that is not an
// input: taking every change gives the other plan's forecast exactly.
TEST(ComparisonPropertiesTest, TakingEveryChangeGivesTheOtherPlansForecast) {
  for (const PlanPair& pair : GeneratedPairs(13, 60)) {
    const PlanDiff diff = DiffPlans(pair.base, pair.other);
    const PlanMixer mixer(pair.base, pair.other, diff.changedInputs);
    const PlanRecord all = mixer.Mix(std::vector<bool>(diff.changedInputs.size(), true));
    const PlanRecord none = mixer.Mix(std::vector<bool>(diff.changedInputs.size(), false));
    const auto forecast = [](const PlanRecord& plan, bool today) {
      return ForecastOf(plan, today, {}, ForecastRules{});
    };
    EXPECT_TRUE(SameTable(forecast(all, false), forecast(pair.other, false)));
    EXPECT_TRUE(SameTable(forecast(all, true), forecast(pair.other, true)));
    EXPECT_TRUE(SameTable(forecast(none, false), forecast(pair.base, false)));
  }
}

TEST(ComparisonPropertiesTest, PartsAddUpExactlyToTheTotal) {
  for (const PlanPair& pair : GeneratedPairs(14, 30)) {
    const Comparison sequential = ComparePlans(pair.base, pair.other, With(AttributionMethod::Sequential));
    EXPECT_EQ(SumOfParts(sequential.attribution), sequential.attribution.total);
    EXPECT_EQ(sequential.attribution.rounding, 0);
    if (sequential.inputs.changedInputs.size() > 6) continue;  // keeps the sanitizer run short
    const Comparison shapley = ComparePlans(pair.base, pair.other, With(AttributionMethod::Shapley));
    EXPECT_EQ(shapley.attribution.method, AttributionMethod::Shapley);
    EXPECT_EQ(SumOfParts(shapley.attribution), shapley.attribution.total);
    EXPECT_LE(std::abs(shapley.attribution.rounding), static_cast<std::int64_t>(shapley.inputs.changedInputs.size()));
  }
}

TEST(ComparisonPropertiesTest, ASingleChangedInputCausesTheWholeChange) {
  std::mt19937_64 random(15);
  int seen = 0;
  for (int i = 0; i < 200 && seen < 20; ++i) {
    const PlanRecord base = GeneratedPlan(random);
    const PlanRecord other = Edited(base, 1, random);
    const Comparison shapley = ComparePlans(base, other, {});
    if (shapley.inputs.changedInputs.size() != 1) continue;
    ++seen;
    EXPECT_EQ(shapley.attribution.parts.front(), shapley.attribution.total);
    EXPECT_EQ(shapley.attribution.rounding, 0);
    const Comparison sequential = ComparePlans(base, other, With(AttributionMethod::Sequential));
    EXPECT_EQ(sequential.attribution.parts.front(), sequential.attribution.total);
  }
  EXPECT_EQ(seen, 20);
}

// Ten changed inputs: Shapley by default over 1,024 mixed plans.
TEST(ComparisonPropertiesTest, TenChangedInputsAreAttributedByShapley) {
  std::mt19937_64 random(16);
  const PlanRecord base = GeneratedPlan(random);
  PlanRecord other = base;
  ChangeTenInputs(other);
  comparetest::StoreTotals(other);
  const Comparison comparison = ComparePlans(base, other, {});
  ASSERT_EQ(comparison.inputs.changedInputs.size(), 10u);
  EXPECT_EQ(comparison.attribution.method, AttributionMethod::Shapley);
  EXPECT_EQ(comparison.attribution.forecasts, 1024);
  EXPECT_EQ(SumOfParts(comparison.attribution), comparison.attribution.total);
}

}  // namespace
