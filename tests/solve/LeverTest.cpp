#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "engine/GeneratedPlans.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "solve/Apportion.h"
#include "solve/Lever.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"

namespace {

Lever Field(const std::string& name) {
  std::string problem;
  const std::optional<Lever> lever = FieldLever(name, problem);
  EXPECT_TRUE(lever) << name << ": " << problem;
  return lever.value_or(Lever{});
}

TEST(Apportion, SharesAddUpExactlyAndStayWithinAUnitOfProportion) {
  std::mt19937_64 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::vector<std::int64_t> parts(1 + random() % 12);
    for (std::int64_t& part : parts) part = static_cast<std::int64_t>(random() % 50000) - (round % 5 == 0 ? 900 : 0);
    const long double whole = std::accumulate(parts.begin(), parts.end(), 0.0L);
    if (whole <= 0) continue;
    const std::int64_t total = static_cast<std::int64_t>(random() % 5'000'000);
    const std::vector<std::int64_t> shares = Apportion(parts, total);
    EXPECT_EQ(std::accumulate(shares.begin(), shares.end(), std::int64_t{0}), total);
    for (std::size_t i = 0; i < parts.size(); ++i) {
      EXPECT_LE(std::abs(static_cast<long double>(shares[i]) - parts[i] * total / whole), 1.0L + 1e-9L);
    }
    EXPECT_EQ(Apportion(parts, static_cast<std::int64_t>(whole)), parts);
  }
}

TEST(Levers, AtTheirOwnValueLeaveEveryPlanAsItIs) {
  enginetest::SensiblePlans plans(31);
  const std::vector<Lever> levers = {SpendingLever(),
                                     SavingsLever(),
                                     RetireAgeLever(LeverPerson::First),
                                     RetireAgeLever(LeverPerson::Second),
                                     RetireAgeLever(LeverPerson::Both),
                                     ClaimAgeLever(LeverPerson::First),
                                     ClaimAgeLever(LeverPerson::Both),
                                     Field("Groceries"),
                                     Field("InflationRate"),
                                     Field("EventYear1")};
  for (int i = 0; i < 300; ++i) {
    PlanRecord plan = plans.Next();
    plan.Groceries = i * 37 % 9000;
    plan.InflationRate = 2.25L;
    plan.FullRetirementBenefit1 = plan.FullRetirementBenefit2 = i % 2 * 24000;
    for (const Lever& lever : levers) {
      if (!LeverProblem(lever, plan).empty()) continue;
      EXPECT_EQ(WithLever(lever, plan, LeverValue(lever, plan)), plan) << LeverKey(lever);
    }
  }
}

TEST(Levers, SpendingScalesTheLivingExpensesAndTheTotalsFollow) {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  plan.Groceries = 7000;
  plan.Clothes = 1333;
  plan.HomeUtilities = 2400;
  plan.MedPremiums1 = 3100;
  const Lever spending = SpendingLever();
  const std::int64_t before = LeverValue(spending, plan);
  ASSERT_GT(before, 0);
  const PlanRecord doubled = WithLever(spending, plan, 2 * before + 1);
  EXPECT_EQ(LeverValue(spending, doubled), 2 * before + 1);
  EXPECT_NEAR(doubled.Groceries, 2 * plan.Groceries, 1);
  EXPECT_NEAR(doubled.HomeUtilities, 2 * plan.HomeUtilities, 1);
  EXPECT_EQ(doubled.FoodTotal - plan.FoodTotal,
            (doubled.Groceries + doubled.DryCleaning + doubled.Clothes + doubled.Grooming + doubled.PocketCash +
             doubled.LifeInsurance + doubled.FoodMisc) -
                (plan.Groceries + plan.DryCleaning + plan.Clothes + plan.Grooming + plan.PocketCash +
                 plan.LifeInsurance + plan.FoodMisc));
  // Not living expenses: debts, taxes, events and cars stay.
  EXPECT_EQ(doubled.MortgageBalance, plan.MortgageBalance);
  EXPECT_EQ(doubled.EventAmount1, plan.EventAmount1);
  EXPECT_EQ(doubled.CarReplaceCost1, plan.CarReplaceCost1);
  EXPECT_EQ(doubled.FederalTax1, plan.FederalTax1);
}

// The claiming age moves the Social Security starting age from 62 to 70 among
// the ages not yet passed, both persons keeping their gap; it means nothing
// without the benefit at full retirement age, for which the rules are made.
TEST(Levers, ClaimAgeSpansTheClaimingAgesLeftToAPersonWithTheFullBenefit) {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  plan.SecondPerson = true;
  plan.Age1 = 64;
  plan.Age2 = 58;
  plan.SocialSecurityAge1 = 67;
  plan.SocialSecurityAge2 = 69;
  const Lever first = ClaimAgeLever(LeverPerson::First);
  const Lever second = ClaimAgeLever(LeverPerson::Second);
  const Lever both = ClaimAgeLever(LeverPerson::Both);
  EXPECT_NE(LeverProblem(first, plan).find("FullRetirementBenefit1"), std::string::npos) << LeverProblem(first, plan);
  plan.FullRetirementBenefit1 = 30000;
  EXPECT_EQ(LeverProblem(first, plan), "");
  EXPECT_NE(LeverProblem(both, plan).find("FullRetirementBenefit2"), std::string::npos);
  plan.FullRetirementBenefit2 = 18000;
  EXPECT_EQ(LeverProblem(both, plan), "");

  EXPECT_EQ(LeverKey(both), "claim-age");
  EXPECT_EQ(GoalOf(first), LeverGoal::Either);
  EXPECT_EQ(UnitOf(first), LeverUnit::Years);
  const auto bounds = [&plan](const Lever& lever) {
    const LeverBounds b = DefaultBounds(lever, plan);
    return std::pair{b.min, b.max};
  };
  EXPECT_EQ(bounds(first), std::pair(std::int64_t{64}, std::int64_t{70}));
  EXPECT_EQ(bounds(second), std::pair(std::int64_t{62}, std::int64_t{70}));
  EXPECT_EQ(bounds(both), std::pair(std::int64_t{64}, std::int64_t{68}));  // the second claims 2 years later
  const PlanRecord moved = WithLever(both, plan, 65);
  EXPECT_EQ(std::pair(moved.SocialSecurityAge1, moved.SocialSecurityAge2), std::pair(65, 67));
  EXPECT_EQ(moved.RetireAge1, plan.RetireAge1);
  EXPECT_EQ(WithLever(second, plan, 62).SocialSecurityAge2, 62);

  plan.Age1 = 70;  // no choice left
  EXPECT_NE(LeverProblem(first, plan).find("nothing left to choose"), std::string::npos);
  plan.SecondPerson = false;
  EXPECT_EQ(LeverProblem(second, plan), "the plan has no second person");
}

TEST(Levers, RefuseWhatIsNoNumberTheForecastReads) {
  std::string problem;
  for (const char* name : {"Name1", "SecondPerson", "HomeStatus", "Nope", ""}) {
    EXPECT_FALSE(FieldLever(name, problem)) << name;
    EXPECT_FALSE(problem.empty());
  }
  EXPECT_EQ(UnitOf(Field("TaxableReturn")), LeverUnit::Percent);
  EXPECT_EQ(UnitOf(Field("EventYear2")), LeverUnit::Years);
  EXPECT_EQ(ParseLeverValue(Field("TaxableReturn"), "4.1"), 410);
  EXPECT_FALSE(ParseLeverValue(Field("TaxableReturn"), "4.125"));
  EXPECT_FALSE(ParseLeverValue(SpendingLever(), "12.5"));
}

// A page total follows its entries, so as a lever it would move nothing and
// every bound would meet the target: it is refused with the entries to use.
TEST(Levers, RefusePageTotalsNamingTheirEntries) {
  std::string problem;
  for (const auto& [total, entry] : {std::pair{"EntertainmentTotal", "Restaurants"},
                                     std::pair{"FoodTotal", "Groceries"}}) {
    EXPECT_FALSE(FieldLever(total, problem)) << total;
    EXPECT_NE(problem.find(entry), std::string::npos) << problem;
  }
}

// Whatever a file holds, bounds and steps stay within the 64-bit range and
// around the plan's value: the sample plan with the values of the command
// line's overflow cases, through the entry points `solve` and `sensitivity`
// call (the sanitizer build runs this; the command line lacks Qt there).
TEST(Levers, BoundsAndStepsSaturateAtExtremeValues) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  for (const auto& [name, value] : {std::pair{"Salary1", kMax}, std::pair{"Salary1", kMin},
                                    std::pair{"EventYear1", kMax}, std::pair{"EventYear1", kMin}}) {
    const Lever lever = Field(name);
    PlanRecord sample;
    ASSERT_TRUE(ReadPlanFile(sample, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    const PlanRecord plan = WithLever(lever, sample, value);
    ASSERT_EQ(LeverValue(lever, plan), value);
    const LeverBounds bounds = DefaultBounds(lever, plan);
    EXPECT_LT(bounds.min, bounds.max) << name << " " << value;
    const SensitivityRow row = SensitivityRowAt(lever, value);
    EXPECT_LE(row.down, value);
    EXPECT_GE(row.up, value);
    EXPECT_NE(Solve(plan, SolveRequest(lever, Target{})).status, SolveStatus::Cancelled);
    EXPECT_FALSE(RunSensitivity(plan, {}).cancelled);
  }
}

}  // namespace
