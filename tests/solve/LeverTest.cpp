#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "engine/GeneratedPlans.h"
#include "model/SamplePlan.h"
#include "solve/Apportion.h"
#include "solve/Lever.h"

namespace {

Lever Parsed(const std::string& text, const std::string& person = "1") {
  std::string error;
  const std::optional<Lever> lever = ParseLever(text, person, error);
  EXPECT_TRUE(lever) << text << ": " << error;
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
  const std::vector<Lever> levers = {Parsed("spending"),         Parsed("savings"),
                                     Parsed("retire-age"),       Parsed("retire-age", "2"),
                                     Parsed("retire-age", "both"), Parsed("field:Groceries"),
                                     Parsed("field:InflationRate"), Parsed("field:EventYear1")};
  for (int i = 0; i < 300; ++i) {
    PlanRecord plan = plans.Next();
    plan.Groceries = i * 37 % 9000;
    plan.InflationRate = 2.25L;
    for (const Lever& lever : levers) {
      if (!LeverProblem(lever, plan).empty()) continue;
      EXPECT_EQ(WithLever(lever, plan, LeverValue(lever, plan)), plan) << lever.name;
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
  const Lever spending = Parsed("spending");
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

TEST(Levers, RefuseWhatIsNoNumberTheForecastReads) {
  std::string error;
  for (const char* text : {"field:Name1", "field:SecondPerson", "field:HomeTotal", "field:HomeStatus", "field:Nope",
                           "spend", "field:"}) {
    EXPECT_FALSE(ParseLever(text, "1", error)) << text;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_FALSE(ParseLever("retire-age", "3", error));
  EXPECT_EQ(UnitOf(Parsed("field:TaxableReturn")), LeverUnit::Percent);
  EXPECT_EQ(UnitOf(Parsed("field:EventYear2")), LeverUnit::Years);
  EXPECT_EQ(ParseLeverValue(Parsed("field:TaxableReturn"), "4.1"), 410);
  EXPECT_FALSE(ParseLeverValue(Parsed("field:TaxableReturn"), "4.125"));
  EXPECT_FALSE(ParseLeverValue(Parsed("spending"), "12.5"));
}

}  // namespace
