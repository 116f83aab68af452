#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "engine/DollarViews.h"
#include "engine/Factors.h"
#include "engine/Money.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::RunPlan;

PlanRecord OwnerWithIncome() {
  PlanRecord plan = enginetest::QuietPlan();
  plan.Salary1 = 60000;
  plan.EmploymentStartAge1 = 40;
  plan.RetireAge1 = 65;
  plan.TaxableBalance = 50000;
  plan.HomeStatus = 2;
  plan.HomeValue = 300000;
  plan.MortgageBalance = 200000;
  plan.MortgageYears = 25;
  plan.CurrentDebt = 5000;
  plan.DebtYears = 3;
  plan.FoodTotal = 30000;
  return plan;
}

TEST(DollarViewsTest, ConvertsTheListedFieldsByTheYearsIndex) {
  PlanRecord plan = OwnerWithIncome();
  const ForecastTable inflated = RunPlan(plan);
  ForecastTable table = inflated;
  ToCurrentDollars(plan, table);
  // Row 1 has index 1 and stays as it was.
  EXPECT_EQ(table.Year(1).NetWorth, inflated.Year(1).NetWorth);
  const YearRecord& was = inflated.Year(3);
  const YearRecord& now = table.Year(3);
  const long double index = 1.025L * 1.025L;
  EXPECT_EQ(now.NetWorth, RoundMoney(was.NetWorth / index));
  EXPECT_EQ(now.HomeEquity, RoundMoney(was.HomeEquity / index));
  EXPECT_EQ(now.Mortgage, RoundMoney(was.Mortgage / index));
  EXPECT_EQ(now.Property, RoundMoney(was.Property / index));
  EXPECT_EQ(now.Expenses, RoundMoney(was.Expenses / index));
  EXPECT_EQ(now.Distribution, RoundMoney(was.Distribution / index));
  // The engine's bookkeeping stays in the year's own dollars.
  EXPECT_EQ(now.MortgagePayment, was.MortgagePayment);
  EXPECT_EQ(now.LoanPayments, was.LoanPayments);
  EXPECT_EQ(now.OtherDebtBalance, was.OtherDebtBalance);
  EXPECT_EQ(now.TaxableWithdrawal, was.TaxableWithdrawal);
}

TEST(DollarViewsTest, RoundTripMovesValuesByAtMostADollar) {
  PlanRecord plan = OwnerWithIncome();
  const ForecastTable inflated = RunPlan(plan);
  ForecastTable table = inflated;
  ToCurrentDollars(plan, table);
  ToInflatedDollars(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) {
    const std::int64_t* before = &inflated.Year(a).NetWorth;
    const std::int64_t* after = &table.Year(a).NetWorth;
    // Rounding in today's dollars is multiplied back by the year's index.
    const std::int64_t tolerance = RoundMoney(InflationIndex(plan, a - 1)) + 1;
    for (int f = 0; f < kYearFieldCount; ++f) {
      EXPECT_LE(std::llabs(before[f] - after[f]), tolerance) << a << " " << f;
    }
  }
}

TEST(DollarViewsTest, IdenticalWithoutPositiveInflation) {
  PlanRecord plan = OwnerWithIncome();
  plan.InflationRate = -1.0L;
  const ForecastTable inflated = RunPlan(plan);
  ForecastTable table = inflated;
  ToCurrentDollars(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) EXPECT_EQ(table.Year(a).NetWorth, inflated.Year(a).NetWorth);
}

TEST(DollarViewsTest, RowsBeyondTheUsedOnesAreLeftAlone) {
  PlanRecord plan = OwnerWithIncome();
  plan.Age1 = 88;
  ForecastTable table = RunPlan(plan);
  table.Year(4).NetWorth = 1000;
  ToCurrentDollars(plan, table);
  EXPECT_EQ(table.Year(4).NetWorth, 1000);
}

}  // namespace

namespace {

// Halves go to even and the 64-bit ends saturate: just below 2^63 the nearest
// even whole number is 2^63 itself, which must give the maximum, not wrap.
TEST(RoundMoneyTest, HalvesToEvenAndSaturatesAtBothEnds) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr long double kTwo63 = 9223372036854775808.0L;
  EXPECT_EQ(RoundMoney(0.5L), 0);
  EXPECT_EQ(RoundMoney(1.5L), 2);
  EXPECT_EQ(RoundMoney(2.5L), 2);
  EXPECT_EQ(RoundMoney(-2.5L), -2);
  EXPECT_EQ(RoundMoney(-3.5L), -4);
  EXPECT_EQ(RoundMoney(kTwo63 - 0.5L), kMax);
  EXPECT_EQ(RoundMoney(kTwo63 - 1.0L), kMax);
  EXPECT_EQ(RoundMoney(kTwo63 - 1.5L), kMax - 1);
  EXPECT_EQ(RoundMoney(kTwo63), kMax);
  EXPECT_EQ(RoundMoney(std::numeric_limits<long double>::infinity()), kMax);
  EXPECT_EQ(RoundMoney(-kTwo63), kMin);
  EXPECT_EQ(RoundMoney(-kTwo63 + 0.5L), kMin);
  EXPECT_EQ(RoundMoney(-kTwo63 + 1.5L), kMin + 2);
  EXPECT_EQ(RoundMoney(-std::numeric_limits<long double>::infinity()), kMin);
  EXPECT_EQ(RoundMoney(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(RoundMoneyTest, AgreesWithTheLibraryInsideTheRange) {
  // Halves, near-halves and large magnitudes, both signs.
  long double value = 0.5L;
  for (int i = 0; i < 4000; ++i) {
    for (const long double v : {value, -value, value + 0.5L, std::nextafter(value + 0.5L, 0.0L)}) {
      ASSERT_EQ(RoundMoney(v), std::llrint(v)) << static_cast<double>(v);
    }
    value = value * 1.0107L + 0.37L;
    if (value > 9.0e18L) value = 0.5L + i;
  }
}

}  // namespace
