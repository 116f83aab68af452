#include <gtest/gtest.h>

#include "engine/CashNeed.h"
#include "engine/Factors.h"
#include "engine/Money.h"
#include "markets/ForecastRules.h"
#include "model/PlanFile.h"
#include "EngineTestPlans.h"
#include "GeneratedPlans.h"

namespace {

using enginetest::QuietPlan;
using enginetest::RunPlan;

// Year 2's cash need with hand-set balances; year 1 holds last year's withdrawal.
class CoverCashNeedTest : public ::testing::Test {
 protected:
  void Need(std::int64_t expenses, std::int64_t income) {
    year_.TaxableWithdrawal = year_.DeferredWithdrawal = year_.HomeEquityBorrowing = year_.UnfundedShortfall = 0;
    year_.Expenses = expenses;
    year_.Income = income;
    CoverCashNeed(enginetest::FactorsOf(plan_), table_, 2);
  }
  void ExpectCoverage(std::int64_t taxable, std::int64_t deferred, std::int64_t home, std::int64_t unfunded) {
    EXPECT_EQ(year_.TaxableWithdrawal, taxable);
    EXPECT_EQ(year_.DeferredWithdrawal, deferred);
    EXPECT_EQ(year_.HomeEquityBorrowing, home);
    EXPECT_EQ(year_.UnfundedShortfall, unfunded);
  }
  void Own(std::int64_t property, std::int64_t owed) {
    plan_.HomeStatus = 2;
    year_.Property = property;
    table_.work.MortgageOwed = owed;
  }
  PlanRecord plan_ = QuietPlan();
  ForecastTable table_;
  YearRecord& year_ = table_.Year(2);
};

TEST_F(CoverCashNeedTest, SurplusIsNegativeTaxableWithdrawal) {
  year_.TaxableInvest = 1000;
  Need(10000, 15000);
  ExpectCoverage(-5000, 0, 0, 0);
}

TEST_F(CoverCashNeedTest, LastYearsWithdrawalIsNotFreshCash) {
  year_.TaxableInvest = 100000;
  table_.Year(1).DeferredWithdrawal = 3000;
  Need(10000, 15000);
  ExpectCoverage(-2000, 0, 0, 0);
}

TEST_F(CoverCashNeedTest, YoungRenterBooksRestAsNewDebt) {
  year_.TaxableInvest = 8000;
  year_.TaxDeferred = 100000;
  Need(20000, 0);
  ExpectCoverage(8000, 0, 0, 12000);
}

TEST_F(CoverCashNeedTest, RenterAtFiftyNineDrawsTaxDeferred) {
  plan_.Age1 = 58;  // 59 in year 2
  year_.TaxableInvest = 8000;
  year_.TaxDeferred = 100000;
  Need(20000, 0);
  ExpectCoverage(8000, 12000, 0, 0);
  EXPECT_FALSE(table_.work.DeferredExhausted);
}

TEST_F(CoverCashNeedTest, RequiredDistributionIsHeldBack) {
  plan_.Age1 = 75;
  table_.Year(1).TaxDeferred = 100000;  // 4717 required in year 2 at 76
  year_.TaxDeferred = 16000;
  Need(12000, 0);
  // Emptied, the account brings in 4,000 more than the year needs: kept in taxable savings.
  ExpectCoverage(-4000, 16000, 0, 0);
  EXPECT_TRUE(table_.work.DeferredExhausted);
  table_ = ForecastTable{};
  table_.Year(1).TaxDeferred = 100000;
  year_.TaxDeferred = 16717;
  Need(12000, 0);
  ExpectCoverage(0, 12000, 0, 0);
  EXPECT_FALSE(table_.work.DeferredExhausted);
}

TEST_F(CoverCashNeedTest, EmptiedTaxDeferredLeavesRestAsDebtForRenter) {
  plan_.Age1 = 65;
  year_.TaxDeferred = 5000;
  Need(12000, 0);
  ExpectCoverage(0, 5000, 0, 7000);
  EXPECT_TRUE(table_.work.DeferredExhausted);
}

TEST_F(CoverCashNeedTest, YoungOwnerBorrowsUpToThreeQuartersOfValue) {
  Own(400000, 200000);
  year_.TaxDeferred = 100000;
  Need(12000, 0);
  ExpectCoverage(0, 0, 12000, 0);
  Need(150000, 0);
  ExpectCoverage(0, 0, 100000, 50000);
}

// The first design's limit, kept as a rule: a mortgage above 75 % of the value
// gives a negative borrowing that enlarges the new debt.
TEST_F(CoverCashNeedTest, FirstDesignHomeEquityLimitCanBeNegative) {
  Own(400000, 350000);
  Need(12000, 0);
  ExpectCoverage(0, 0, -50000, 62000);
}

// A borrowing is never negative under the rules in force: with the mortgage
// above 75 % of the value nothing is borrowed and the whole rest is new debt.
TEST(CashNeedEdgeTest, HomeEquityBorrowingIsNeverNegative) {
  enginetest::SensiblePlans plans(75);
  int firstDesignNegatives = 0;
  for (int i = 0; i < 300; ++i) {
    const PlanRecord plan = plans.Next();
    for (const TaxRules taxes : {TaxRules::Law, TaxRules::Curve}) {
      ForecastRules rules;
      rules.taxes = taxes;
      const ForecastTable floored = RunForecast(plan, PlanRatePath(plan, rules)).table;
      rules.homeEquityLimit = HomeEquityLimitRule::FirstDesign;
      const ForecastTable firstDesign = RunForecast(plan, PlanRatePath(plan, rules)).table;
      for (int a = 1; a <= RowCount(plan); ++a) {
        const YearRecord& year = floored.Year(a);
        ASSERT_GE(year.HomeEquityBorrowing, 0) << "plan " << i << " year " << a;
        if (firstDesign.Year(a).HomeEquityBorrowing < 0) ++firstDesignNegatives;
      }
    }
  }
  EXPECT_GT(firstDesignNegatives, 0) << "the plans never reach a mortgage above the limit";
}

// The sample plan retiring at 62 with more household expenses runs its
// savings down; near that edge the account is emptied under its required
// distribution, which can bring in more than the year needs: that surplus
// stays in taxable savings, never a negative borrowing or shortfall that
// loses it (and may turn one more dollar of expense into new debt).
TEST(CashNeedEdgeTest, SampleNearItsLimitNeverBooksANegativeDrawOrLosesTheSurplus) {
  PlanRecord sample;
  ASSERT_TRUE(ReadPlanFile(sample, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
  sample.RetireAge1 = sample.RetireAge2 = 62;
  for (const TaxRules taxes : {TaxRules::Law, TaxRules::Curve}) {
    for (std::int64_t more = 20000; more <= 29000; more += 250) {
      std::int64_t lastNetWorth[2] = {};
      for (const std::int64_t dollar : {0, 1}) {
        PlanRecord plan = sample;
        plan.HomeMisc += more + dollar;
        const ForecastTable table =
            RunForecast(plan, PlanRatePath(plan, {PastInflationRule::Recorded, taxes})).table;
        for (int a = 1; a <= RowCount(plan); ++a) {
          const YearRecord& year = table.Year(a);
          EXPECT_GE(year.DeferredWithdrawal, 0) << more << " year " << a;
          EXPECT_GE(year.HomeEquityBorrowing, 0) << more << " year " << a;
          EXPECT_GE(year.UnfundedShortfall, 0) << more << " year " << a;
        }
        lastNetWorth[dollar] = table.Year(RowCount(plan)).NetWorth;
      }
      EXPECT_LT(lastNetWorth[0] - lastNetWorth[1], 1000) << "one dollar more from " << more;
    }
  }
}

TEST_F(CoverCashNeedTest, OlderOwnerUsesTaxDeferredBeforeHome) {
  plan_.Age1 = 62;
  Own(400000, 0);
  year_.TaxDeferred = 10000;
  Need(12000, 0);
  ExpectCoverage(0, 10000, 2000, 0);
  EXPECT_TRUE(table_.work.DeferredExhausted);
}

TEST_F(CoverCashNeedTest, RentingOrOwningFollowsTheMoveYear) {
  plan_.HomeStatus = 3;
  plan_.YearsToMove = 2;  // year 2 is the year before the purchase: counted as owning
  year_.Property = 100000;
  Need(12000, 0);
  ExpectCoverage(0, 0, 12000, 0);
  plan_.YearsToMove = 3;  // a renter never borrows, whatever the property field says
  Need(12000, 0);
  ExpectCoverage(0, 0, 0, 12000);
  plan_.HomeStatus = 5;
  plan_.YearsToMove = 1;
  Need(12000, 0);
  ExpectCoverage(0, 0, 0, 12000);
}

TEST_F(CoverCashNeedTest, SaleProceedsCoverTheNeed) {
  Own(200000, 50000);
  plan_.HomeStatus = 5;
  plan_.HomeValue = 1;
  plan_.YearsToMove = 2;
  Need(12000, 0);  // 12000 - (188000 - 50000)
  ExpectCoverage(-126000, 0, 0, 0);
}

TEST(OtherDebtTest, DebtWithOneYearIsPaidOnceAndCleared) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 1000000;
  plan.CurrentDebt = 10000;
  plan.DebtYears = 1;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).LoanPayments, 10600);
  EXPECT_EQ(table.Year(1).OtherDebt, 10000);
  EXPECT_EQ(table.Year(2).LoanPayments, 0);
  EXPECT_EQ(table.Year(2).OtherDebt, 0);
}

TEST(OtherDebtTest, CurrentDebtAmortisesOverItsYears) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 1000000;
  plan.CurrentDebt = 10000;
  plan.DebtYears = 5;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).LoanPayments, 2374);
  EXPECT_EQ(table.Year(2).LoanPayments, 2374);
  EXPECT_EQ(table.Year(2).OtherDebtBalance, 10000 + 600 - 2374);
  EXPECT_EQ(table.Year(2).OtherDebtYears, 4);
}

TEST(OtherDebtTest, NewDebtPaysInterestOnlyInItsFirstYear) {
  PlanRecord plan = QuietPlan();
  ForecastTable table;
  table.Year(1).UnfundedShortfall = 12000;
  EXPECT_EQ(UpdateOtherDebt(enginetest::FactorsOf(plan), table, 2), 12000);
  EXPECT_EQ(table.Year(2).LoanPayments, 720);
  EXPECT_EQ(table.Year(2).OtherDebtYears, 10);
  EXPECT_EQ(UpdateOtherDebt(enginetest::FactorsOf(plan), table, 3), 12000 + 720 - 1630);
  EXPECT_EQ(table.Year(3).LoanPayments, 1630);
  EXPECT_EQ(table.Year(3).OtherDebtYears, 9);
}

TEST(OtherDebtTest, NewDebtKeepsLongRemainingTerm) {
  PlanRecord plan = QuietPlan();
  ForecastTable table;
  table.Year(1).OtherDebtBalance = 5000;
  table.Year(1).OtherDebtYears = 7;
  table.Year(1).UnfundedShortfall = 5000;
  EXPECT_EQ(UpdateOtherDebt(enginetest::FactorsOf(plan), table, 2), 10000);
  EXPECT_EQ(table.Year(2).OtherDebtYears, 7);
  EXPECT_EQ(table.Year(2).LoanPayments, 600);
}

TEST(StudentLoanTest, PaymentsFromCompletionYearForItsYears) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 1000000;
  plan.EduEndYear1 = 2007;
  plan.EduDebt1 = 20000;
  plan.EduDebtYears1 = 4;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(2).OtherDebt, 0);
  EXPECT_EQ(table.Year(2).LoanPayments, 0);
  EXPECT_EQ(table.Year(3).LoanPayments, 5772);
  EXPECT_EQ(table.Year(3).OtherDebt, 20000);
  EXPECT_EQ(table.Year(4).OtherDebt, 20000 + 1200 - 5772);
  EXPECT_EQ(table.Year(5).OtherDebt, 15428 + 926 - 5772);
  EXPECT_EQ(table.Year(6).OtherDebt, 10582 + 635 - 5772);
  EXPECT_EQ(table.Year(6).LoanPayments, 5772);
  // After n payments whatever is left is dropped.
  EXPECT_EQ(table.Year(7).OtherDebt, 0);
  EXPECT_EQ(table.Year(7).LoanPayments, 0);
}

TEST(StudentLoanTest, ZeroYearsToPay) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 1000000;
  plan.EduEndYear1 = 2005;
  plan.EduDebt1 = 8000;
  plan.EduEndYear2 = 2006;
  plan.EduDebt2 = 3000;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).LoanPayments, 8000);  // due at once in the current year
  EXPECT_EQ(table.Year(1).OtherDebt, 8000);
  EXPECT_EQ(table.Year(2).LoanPayments, 0);
  EXPECT_EQ(table.Year(2).OtherDebt, 3000);
  EXPECT_EQ(table.Year(3).OtherDebt, 0);
}

TEST(DeferredExhaustedTest, EmptiedAccountStaysEmptyForTheRun) {
  PlanRecord plan = QuietPlan();
  plan.Age1 = 60;
  plan.EmploymentStartAge1 = 60;
  plan.RetireAge1 = 70;
  plan.Salary1 = 10000;
  plan.DeferredContribution1 = 5000;
  plan.TaxDeferredBalance = 20000;
  plan.Groceries = plan.FoodTotal = 60000;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).DeferredWithdrawal, 20000);
  EXPECT_EQ(table.Year(2).Distribution, 20000);
  for (int a = 2; a <= RowCount(plan); ++a) EXPECT_EQ(table.Year(a).TaxDeferred, 0) << a;
  EXPECT_FALSE(table.work.DeferredExhausted);
  // The next run starts afresh.
  plan.Groceries = plan.FoodTotal = 0;
  const ForecastTable next = RunPlan(plan);
  EXPECT_GT(next.Year(2).TaxDeferred, 20000);
}

}  // namespace
