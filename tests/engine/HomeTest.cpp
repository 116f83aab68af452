#include <gtest/gtest.h>

#include <cmath>

#include "engine/Factors.h"
#include "engine/Home.h"
#include "engine/Money.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;
using enginetest::RunPlan;

// Enough taxable money that no shortfall ever reaches the home.
PlanRecord OwnerPlan() {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 100000000;
  plan.HomeStatus = 2;
  plan.HomeValue = 300000;
  plan.HomeTaxes = 3000;
  return plan;
}

long double Pow(long double base, int exponent) { return std::pow(base, static_cast<long double>(exponent)); }

TEST(HomeModelTest, RenterHasNoHomeFigures) {
  PlanRecord plan = QuietPlan();
  plan.AnnualRent = 12000;
  const ForecastTable table = RunPlan(plan);
  for (int a = 1; a <= 3; ++a) {
    EXPECT_EQ(table.Year(a).Property, 0);
    EXPECT_EQ(table.Year(a).PropertyTax, 0);
    EXPECT_EQ(table.Year(a).MortgagePayment, 0);
  }
  // Rent inflated one year (the unpaid first year's rent became debt).
  EXPECT_EQ(table.Year(2).Expenses - table.Year(2).LoanPayments, 12300);
}

TEST(HomeModelTest, OwnedHomeWithoutMortgage) {
  PlanRecord plan = OwnerPlan();
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).HomeEquity, 300000);
  EXPECT_EQ(table.Year(1).PropertyTax, 3000);
  EXPECT_EQ(table.Year(2).Property, 312000);
  EXPECT_EQ(table.Year(2).HomeEquity, 312000);
  EXPECT_EQ(table.Year(2).PropertyTax, 3075);
  EXPECT_EQ(table.Year(3).PropertyTax, 3152);  // 3151.875
  for (int a = 1; a <= 5; ++a) EXPECT_EQ(table.Year(a).MortgagePayment, 0);
}

TEST(HomeModelTest, LevelPaymentAmortisesTheBalance) {
  PlanRecord plan = OwnerPlan();
  plan.MortgageBalance = 200000;
  plan.MortgageYears = 30;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).MortgagePayment, 14530);
  EXPECT_EQ(table.Year(1).Mortgage, 200000);
  EXPECT_EQ(table.Year(1).HomeEquity, 100000);
  EXPECT_EQ(table.Year(2).MortgagePayment, 14530);
  EXPECT_EQ(table.Year(2).Mortgage, 197470);  // + 12000 interest - 14530
  EXPECT_EQ(table.Year(3).Mortgage, 194788);  // + 11848 - 14530
  EXPECT_EQ(table.Year(3).HomeEquity, 324480 - 194788);
  EXPECT_EQ(table.Year(30).MortgagePayment, 14530);
  EXPECT_EQ(table.Year(31).MortgagePayment, 0);  // the 30th payment was in year 30
  EXPECT_EQ(table.Year(31).Mortgage, 0);
}

TEST(HomeModelTest, MortgageWithOneYearLeftEndsInYearTwo) {
  PlanRecord plan = OwnerPlan();
  plan.MortgageBalance = 10000;
  plan.MortgageYears = 1;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).MortgagePayment, 10600);
  EXPECT_EQ(table.Year(2).MortgagePayment, 0);
  EXPECT_EQ(table.Year(2).Mortgage, 0);
  EXPECT_EQ(table.Year(2).HomeEquity, 312000);
}

TEST(HomeModelTest, ZeroMortgageYearsChargesWholeBalanceInYearOne) {
  PlanRecord plan = OwnerPlan();
  plan.MortgageBalance = 10000;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).MortgagePayment, 10000);
  EXPECT_EQ(table.Year(2).MortgagePayment, 0);
  EXPECT_EQ(table.Year(2).Mortgage, 0);
}

TEST(HomeModelTest, RentThenBuyInMoveYear) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 100000000;
  plan.HomeStatus = 3;
  plan.YearsToMove = 3;
  plan.AnnualRent = 10000;
  plan.NewHomePrice = 250000;
  plan.NewMortgage = 200000;
  plan.NewHomeTaxes = 2000;
  const ForecastTable table = RunPlan(plan);
  for (int a = 1; a <= 3; ++a) EXPECT_EQ(table.Year(a).Property, 0) << a;
  const std::int64_t mortgage = RoundMoney(Pow(1.025L, 3) * 200000);
  EXPECT_EQ(table.Year(4).Mortgage, mortgage);
  EXPECT_EQ(table.Year(4).MortgagePayment, RoundMoney(AnnuityFactor(plan, 30) * mortgage));
  EXPECT_EQ(table.Year(4).Property, RoundMoney(Pow(1.04L, 3) * 250000));
  EXPECT_EQ(table.Year(4).PropertyTax, RoundMoney(Pow(1.025L, 3) * 2000));  // inflation, not property growth
  EXPECT_EQ(table.Year(4).HomeEquity, table.Year(4).Property - mortgage);
  // The down payment falls in year 3's cash need.
  const std::int64_t down = RoundMoney(Pow(1.04L, 3) * 250000 - Pow(1.025L, 3) * 200000);
  EXPECT_EQ(table.Year(3).TaxableWithdrawal, table.Year(3).Expenses - table.Year(3).Income + down);
  // Interest and repayment start the year after the purchase.
  EXPECT_LT(table.Year(5).Mortgage, mortgage);
  EXPECT_EQ(table.Year(5).MortgagePayment, table.Year(4).MortgagePayment);
}

TEST(HomeModelTest, SellAndBuyAgainBooksDownPaymentLessProceeds) {
  PlanRecord plan = OwnerPlan();
  plan.HomeStatus = 4;
  plan.MortgageBalance = 100000;
  plan.MortgageYears = 20;
  plan.YearsToMove = 2;
  plan.NewHomePrice = 400000;
  plan.NewMortgage = 150000;
  plan.NewHomeTaxes = 5000;
  const ForecastTable table = RunPlan(plan);
  const std::int64_t owedAfterYear2 = table.Year(2).Mortgage;
  const std::int64_t proceeds = RoundMoney(table.Year(2).Property * 0.94L - owedAfterYear2);
  const std::int64_t down = RoundMoney(Pow(1.04L, 2) * 400000 - Pow(1.025L, 2) * 150000);
  EXPECT_EQ(table.Year(2).TaxableWithdrawal, table.Year(2).Expenses - table.Year(2).Income + down - proceeds);
  EXPECT_EQ(table.Year(3).Property, RoundMoney(Pow(1.04L, 2) * 400000));
  EXPECT_EQ(table.Year(3).Mortgage, RoundMoney(Pow(1.025L, 2) * 150000));
  EXPECT_EQ(table.Year(4).Property, RoundMoney(1.04L * table.Year(3).Property));
}

TEST(HomeModelTest, OwnThenRentSellsInMoveYear) {
  PlanRecord plan = OwnerPlan();
  plan.HomeStatus = 5;
  plan.MortgageBalance = 50000;
  plan.MortgageYears = 10;
  plan.YearsToMove = 2;
  plan.AnnualRent = 15000;
  const ForecastTable table = RunPlan(plan);
  const std::int64_t proceeds = RoundMoney(table.Year(2).Property * 0.94L - table.Year(2).Mortgage);
  EXPECT_EQ(table.Year(2).TaxableWithdrawal, table.Year(2).Expenses - table.Year(2).Income - proceeds);
  for (int a = 3; a <= 4; ++a) {
    EXPECT_EQ(table.Year(a).Property, 0);
    EXPECT_EQ(table.Year(a).Mortgage, 0);
    EXPECT_EQ(table.Year(a).MortgagePayment, 0);
    EXPECT_EQ(table.Year(a).PropertyTax, 0);
  }
  // Rent is paid from the sale year on.
  EXPECT_EQ(table.Year(3).Expenses - table.Year(3).IncomeTaxes, RoundMoney(Pow(1.025L, 2) * 15000));
}

TEST(HomeModelTest, OwnThenRentWithoutValueBooksNoProceeds) {
  PlanRecord plan = OwnerPlan();
  plan.HomeStatus = 5;
  plan.HomeValue = 0;
  plan.YearsToMove = 2;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(2).TaxableWithdrawal, table.Year(2).Expenses - table.Year(2).Income);
}

TEST(HomeModelTest, UnknownStatusLeavesHomeFieldsZero) {
  PlanRecord plan = OwnerPlan();
  plan.HomeStatus = 9;
  const ForecastTable table = RunPlan(plan);
  EXPECT_EQ(table.Year(1).Property, 0);
  EXPECT_EQ(table.Year(2).Property, 0);
}

// Re-borrowing: year 1 holds the mortgage state and last year's borrowing.
class ReborrowTest : public ::testing::Test {
 protected:
  void Borrow(std::int64_t principal, std::int64_t owed, std::int64_t borrowing) {
    table_.work.MortgageTerm = 30;
    table_.work.MortgageYearsLeft = 12;
    table_.work.MortgagePrincipal = principal;
    table_.work.MortgageOwed = owed;
    table_.Year(1).Property = 500000;
    table_.Year(1).HomeEquityBorrowing = borrowing;
    UpdateOwnedHome(enginetest::FactorsOf(plan_), table_, 2);
  }
  PlanRecord plan_ = QuietPlan();
  ForecastTable table_;
};

TEST_F(ReborrowTest, OldPaymentSetsTheNewTerm) {
  Borrow(100000, 60000, 10000);  // old payment 7265 repays 70000 in 14.8 years
  EXPECT_EQ(table_.work.MortgageTerm, 14);
  EXPECT_EQ(table_.work.MortgageYearsLeft, 13);
  EXPECT_EQ(table_.work.MortgagePrincipal, 70000);
  const std::int64_t pay = RoundMoney(AnnuityFactor(plan_, 14) * 70000);
  EXPECT_EQ(table_.Year(2).MortgagePayment, pay);
  EXPECT_EQ(table_.Year(2).Mortgage, 70000 + 4200 - pay);
}

TEST_F(ReborrowTest, ShortTermRaisedToTenYears) {
  Borrow(100000, 50000, 1000);  // 9.4 years
  EXPECT_EQ(table_.work.MortgageTerm, 10);
  EXPECT_EQ(table_.work.MortgageYearsLeft, 9);
}

TEST_F(ReborrowTest, PaymentBelowInterestGivesThirtyYears) {
  Borrow(10000, 50000, 50000);  // old payment 726 on 100000
  EXPECT_EQ(table_.work.MortgageTerm, 30);
  EXPECT_EQ(table_.work.MortgageYearsLeft, 29);
}

TEST_F(ReborrowTest, NoOldPaymentGivesTenYears) {
  Borrow(0, 0, 40000);
  EXPECT_EQ(table_.work.MortgageTerm, 10);
  EXPECT_EQ(table_.Year(2).MortgagePayment, RoundMoney(AnnuityFactor(plan_, 10) * 40000));
  EXPECT_EQ(table_.Year(2).HomeEquity, 520000 - table_.Year(2).Mortgage);
}

TEST_F(ReborrowTest, NegativeBorrowingIsIgnored) {
  Borrow(100000, 60000, -5000);
  EXPECT_EQ(table_.work.MortgageTerm, 30);
  EXPECT_EQ(table_.work.MortgageYearsLeft, 11);
  EXPECT_EQ(table_.Year(2).MortgagePayment, 7265);
}

TEST_F(ReborrowTest, TinyRateCapsTheTermAtThirtyYears) {
  plan_.MortgageRate = 0.00001L;
  Borrow(100000, 16665000000 - 1000, 1000);  // the old payment needs millions of years
  EXPECT_EQ(table_.work.MortgageTerm, 30);
  EXPECT_EQ(table_.work.MortgageYearsLeft, 29);
}

TEST_F(ReborrowTest, RateTooSmallToCompoundStaysFinite) {
  plan_.MortgageRate = 1e-30L;
  Borrow(100000, 90000, 1000);
  EXPECT_EQ(table_.work.MortgageTerm, 30);
  EXPECT_EQ(table_.Year(2).MortgagePayment, 3033);  // 91000 / 30, no interest to speak of
  EXPECT_EQ(table_.Year(2).Mortgage, 91000 - 3033);
}

}  // namespace
