#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "engine/BracketFilling.h"
#include "engine/CashNeed.h"
#include "engine/FederalBrackets.h"
#include "engine/Forecast.h"
#include "engine/LawYearTax.h"
#include "engine/Money.h"
#include "GeneratedPlans.h"

// The Roth account, the withdrawal order and the bracket filling over
// generated households.
namespace {

using enginetest::SensiblePlans;

RatePath PathUnder(const PlanRecord& plan, TaxRules rules) {
  RatePath path = RatePath::FromPlan(plan);
  path.SetTaxRules(rules);
  return path;
}

bool SameTable(const ForecastTable& a, const ForecastTable& b) {
  return std::memcmp(a.rows.data(), b.rows.data(), sizeof a.rows) == 0;
}

// Every dollar of a year's shortfall comes from an account, the home or new
// debt; money leaving the tax-deferred account for the Roth arrives there.
TEST(AccountsTest, MoneyIsConservedInEveryOrder) {
  SensiblePlans plans(31);
  for (int i = 0; i < 200; ++i) {
    const PlanRecord plan = plans.WithAccounts(plans.Next());
    const RatePath path = PathUnder(plan, i % 2 == 0 ? TaxRules::Law : TaxRules::Curve);
    const Forecast forecast = RunForecast(plan, path);
    const PlanRecord working = PlanAsRun(plan);
    const RunFactors run(working, path);
    const ForecastTable& table = forecast.table;
    for (int j = 1; j < RowCount(plan); ++j) {
      const YearRecord& year = table.Year(j);
      const std::string where = "plan " + std::to_string(i) + " year " + std::to_string(j);
      EXPECT_LE(year.RothWithdrawal, std::max<std::int64_t>(year.RothBalance, 0)) << where;
      EXPECT_GE(year.RothWithdrawal, 0) << where;
      if (j != plan.YearsToMove) {
        const std::int64_t covered = SumMoney({year.TaxableWithdrawal, year.DeferredWithdrawal, year.RothWithdrawal,
                                               year.HomeEquityBorrowing, year.UnfundedShortfall});
        EXPECT_EQ(covered, CashNeedOf(table, j)) << where;
      }
      const YearRecord& next = table.Year(j + 1);
      const std::int64_t grown = RoundMoney(SubMoney(year.RothBalance, year.RothWithdrawal) * run.DeferredGrowth(j));
      EXPECT_EQ(SubMoney(next.RothBalance, SumMoney({next.RothContribution, next.Conversion})), grown) << where;
      EXPECT_EQ(next.NetWorth, SubMoney(SumMoney({next.TaxDeferred, next.TaxableInvest, next.HomeEquity,
                                                  next.RothBalance}),
                                        next.OtherDebt))
          << where;
    }
    if (HasFailure()) return;
  }
}

// The basis decides only what a draw before 59 1/2 pays: from person 1's
// 60th year the same Roth draws leave every figure as it was.
TEST(AccountsTest, RothDrawsFromSixtyOnAddNoTaxableIncome) {
  SensiblePlans plans(32);
  int earlyDiffers = 0;
  for (int i = 0; i < 120; ++i) {
    PlanRecord plan = plans.WithAccounts(plans.Next());
    plan.WithdrawalOrder = "roth,taxable,deferred";
    plan.RothBalance = 300000;
    const bool late = i % 2 == 0;
    plan.Age1 = late ? 60 + i % 25 : 30 + i % 25;
    plan.RetireAge1 = std::min(plan.RetireAge1, plan.Age1 + 5);
    const RatePath path = PathUnder(plan, TaxRules::Law);
    PlanRecord allBasis = plan;
    plan.RothBasis = 0;
    allBasis.RothBasis = plan.RothBalance;
    const bool same = SameTable(RunForecast(plan, path).table, RunForecast(allBasis, path).table);
    if (late) {
      EXPECT_TRUE(same) << "plan " << i;
    }
    earlyDiffers += same ? 0 : 1;
  }
  // Earnings drawn early are taxed: the basis matters then.
  EXPECT_GT(earlyDiffers, 10);
}

// Runs the plan under the law up to year a with nothing filled, so year a
// stands as the filling finds it.
class YearBeforeFilling {
 public:
  YearBeforeFilling(const PlanRecord& plan, int a)
      : working_(PlanAsRun(plan)), path_(PathUnder(working_, TaxRules::Law)), run_(working_, path_) {
    InitFirstYear(run_, table_);
    for (int k = 2; k <= a; ++k) RunForecastYear(run_, table_, k);
  }
  LawYearTaxSteps StepsWith(int a, std::int64_t conversion) {
    table_.Year(a).Conversion = conversion;
    const LawYearTaxSteps steps = LawYearTaxStepsOf(run_, table_, a);
    table_.Year(a).Conversion = 0;
    return steps;
  }
  std::int64_t Top(const LawYearTaxSteps& steps, int r, std::int32_t percent, int a) const {
    return OrdinaryBracketTop(steps.inputs[r].kind, percent, run_.LawIndex(a));
  }
  RunFactors& Run() { return run_; }
  ForecastTable& Table() { return table_; }

 private:
  PlanRecord working_;
  RatePath path_;
  RunFactors run_;
  ForecastTable table_;
};

// The room found fills each return's taxable income to the bracket's top and
// never past it; where nothing else crosses a threshold, converting it costs
// the bracket's rate on every dollar.
TEST(AccountsTest, FillingReachesTheTopNeverPassesItAndPaysTheBracketRate) {
  SensiblePlans plans(33);
  int filled = 0;
  int pricedExactly = 0;
  for (int i = 0; i < 300; ++i) {
    PlanRecord plan = plans.Next();
    plan.FillBracket = 0;  // the run leaves year a unfilled; the test fills it
    if (i % 2 == 0) {
      plan.SocialSecurity1 = plan.SocialSecurity2 = 0;
      plan.StateTax1 = plan.StateTax2 = 0;
      plan.Age1 = std::min(plan.Age1, 55);
      plan.Age2 = std::min(plan.Age2, 55);
    }
    const int a = 2 + i % std::max(1, std::min(RowCount(plan) - 1, 20));
    if (a > RowCount(plan)) continue;
    const std::int32_t percent = std::array{10, 12, 22, 24, 32}[static_cast<std::size_t>(i % 5)];
    YearBeforeFilling year(plan, a);
    const std::int64_t room = BracketRoom(year.Run(), year.Table(), a, percent);
    const std::int64_t available = std::max<std::int64_t>(year.Table().Year(a).TaxDeferred, 0);
    ASSERT_GE(room, 0);
    ASSERT_LE(room, available);
    const LawYearTaxSteps before = year.StepsWith(a, 0);
    const LawYearTaxSteps after = year.StepsWith(a, room);
    std::int64_t gap = std::numeric_limits<std::int64_t>::max();
    for (int r = 0; r < after.returnCount; ++r) {
      const std::int64_t top = year.Top(after, r, percent, a);
      if (room > 0) {
        EXPECT_LE(after.returns[r].taxable, top) << "plan " << i << " return " << r;
      }
      gap = std::min(gap, top - after.returns[r].taxable);
    }
    if (room == 0 || room == available) continue;
    ++filled;
    EXPECT_LE(gap, 2 * after.returnCount) << "plan " << i << ": the filling stops short of the top";
    // One bracket throughout: no benefits, no gains, no state ratio, under 65.
    bool oneRate = true;
    std::int64_t taxBefore = 0;
    std::int64_t taxAfter = 0;
    for (int r = 0; r < after.returnCount; ++r) {
      const std::int64_t lowerTop = percent == 10 ? 0 : year.Top(before, r, std::array{0, 10, 12, 22, 24}[i % 5], a);
      oneRate = oneRate && before.inputs[r].benefits == 0 && before.returns[r].gains == 0 &&
                before.returns[r].ordinaryTaxable > lowerTop && before.returns[r].taxable > lowerTop &&
                before.inputs[r].aged == 0 && before.returns[r].investmentIncomeTax == 0 &&
                year.Run().StateTaxFactor(r) == 1.0L;
      taxBefore += before.returns[r].federal;
      taxAfter += after.returns[r].federal;
    }
    if (!oneRate) continue;
    ++pricedExactly;
    EXPECT_NEAR(static_cast<double>(taxAfter - taxBefore), percent / 100.0 * static_cast<double>(room),
                after.returnCount)
        << "plan " << i;
  }
  EXPECT_GT(filled, 40);
  EXPECT_GT(pricedExactly, 5);
}

}  // namespace
