#include <gtest/gtest.h>

#include "engine/PageTotals.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;

TEST(CategoryTotalsTest, SumTheirEntries) {
  PlanRecord plan = QuietPlan();
  plan.MedPremiums1 = 1;
  plan.MedOther2 = 2;
  plan.HomePhone = 10;
  plan.CommMisc = 20;
  plan.Vacations = 100;
  plan.GiftsMisc = 200;
  plan.Groceries = 1000;
  plan.FoodMisc = 2000;
  EXPECT_EQ(RecomputeMedicalTotal(plan), 3);
  EXPECT_EQ(RecomputeCommunicationTotal(plan), 30);
  EXPECT_EQ(RecomputeEntertainmentTotal(plan), 300);
  EXPECT_EQ(RecomputeFoodTotal(plan), 3000);
  EXPECT_EQ(plan.FoodTotal, 3000);
}

TEST(AutoTotalTest, UnusedCarSlotsLoseTheirCost) {
  PlanRecord plan = QuietPlan();
  plan.AutoMaintenance = 1;
  plan.AutoInsurance = 2;
  plan.AutoFuel = 4;
  plan.CarReplaceCost1 = 100;    // both periods 0: bought this year
  plan.CarReplaceCost2 = 20000;  // both periods 0: cleared
  plan.CarYearsHad3 = 3;
  plan.CarReplaceCost3 = 1000;   // years left 0: replaced this year
  EXPECT_EQ(RecomputeAutoTotal(plan), 1107);
  EXPECT_EQ(plan.CarReplaceCost2, 0);
  EXPECT_EQ(plan.CarReplaceCost1, 100);
  plan.CarYearsLeft3 = 2;
  EXPECT_EQ(RecomputeAutoTotal(plan), 107);
  EXPECT_EQ(plan.CarReplaceCost3, 1000);
}

TEST(HomeTotalTest, IncludesMortgageOrRentAndRealEstateTax) {
  PlanRecord plan = QuietPlan();
  plan.HomeInsurance = 1;
  plan.HomeMisc = 2;
  plan.HomeMortgageOrRent = 100;
  plan.HomeTaxes = 1000;
  EXPECT_EQ(RecomputeHomeTotal(plan), 1103);
  EXPECT_EQ(plan.HomeRealEstateTax, 1000);
}

TEST(OtherTotalTest, EventsOfCurrentYearOnly) {
  PlanRecord plan = QuietPlan();
  plan.OtherAmount1 = 10;
  plan.OtherAmount5 = 20;
  plan.EventYear2 = 2005;
  plan.EventAmount2 = 1000;
  plan.EventYear3 = 2006;
  plan.EventAmount3 = 500;
  EXPECT_EQ(RecomputeOtherTotal(plan), 1030);
  EXPECT_EQ(plan.OtherAnnualTotal, 30);
  plan.CurrentYear = 2006;
  EXPECT_EQ(RecomputeOtherTotal(plan), 530);
}

TEST(SummaryEducationTest, StudentsStartingThisYear) {
  PlanRecord plan = QuietPlan();
  plan.EduCost1 = 5000;
  plan.EduStartYear2 = 2006;
  plan.EduCost2 = 7000;
  EXPECT_EQ(RecomputeSummaryEducation(plan), 5000);
}

TEST(TaxTotalTest, FicaOnlyForPersonsEmployedNow) {
  PlanRecord plan = QuietPlan();
  plan.Age2 = 30;
  plan.EmploymentStartAge1 = 40;
  plan.Salary1 = 50000;
  plan.EmploymentStartAge2 = 32;  // starts in two years
  plan.Salary2 = 80000;
  plan.FederalTax1 = 4000;
  plan.StateTax1 = 1000;
  EXPECT_EQ(RecomputeCurrentFica(plan), 5000 + 3100 + 725);
  EXPECT_EQ(plan.SocialSecurityTax2, 0);
  EXPECT_EQ(plan.MedicareTax2, 0);
}

TEST(TaxTotalTest, PersonTwoIncomeTaxesOnlyWhenFilingSeparately) {
  PlanRecord plan = QuietPlan();
  plan.FederalTax1 = 4000;
  plan.StateTax1 = 1000;
  plan.FederalTax2 = 300;
  plan.StateTax2 = 20;
  plan.MedicareTax2 = 7;
  for (const std::int32_t status : {1, 2}) {
    plan.FilingStatus = status;
    EXPECT_EQ(RecomputeTaxTotal(plan), 5007);
  }
  for (const std::int32_t status : {3, 4}) {
    plan.FilingStatus = status;
    EXPECT_EQ(RecomputeTaxTotal(plan), 5327);
  }
}

TEST(NetWorthTest, EveryBalanceAndHomeEquityOnlyWhenOwnedNow) {
  PlanRecord plan = QuietPlan();
  plan.TaxableBalance = 100;
  plan.TaxDeferredBalance = 1000;
  plan.RothBalance = 20000;
  plan.CurrentDebt = 50;
  plan.HomeValue = 300000;
  plan.MortgageBalance = 200000;
  EXPECT_EQ(RecomputeCurrentNetWorth(plan), 21050);
  EXPECT_EQ(plan.CurrentHomeEquity, 0);
  for (const std::int32_t status : {2, 4, 5}) {
    plan.HomeStatus = status;
    EXPECT_EQ(RecomputeCurrentNetWorth(plan), 121050);
  }
}

TEST(DebtPaymentTest, WholeDebtWithoutYears) {
  PlanRecord plan = QuietPlan();
  plan.CurrentDebt = 10000;
  EXPECT_EQ(RecomputeDebtPayment(plan), 10000);
  plan.DebtYears = 5;
  plan.DebtPayment = 3000;
  EXPECT_EQ(ComputeDebtPayment(plan), 2374);
  EXPECT_EQ(plan.DebtPayment, 3000);
  EXPECT_EQ(RecomputeDebtPayment(plan), 2374);
}

TEST(ExpenseSummaryTest, RefreshRecomputesInOrderAndTakesStoredCategoryTotals) {
  PlanRecord plan = QuietPlan();
  plan.CurrentDebt = 10000;
  plan.DebtYears = 5;
  plan.HomeMortgageOrRent = 12000;
  plan.HomeTaxes = 0;
  plan.HomeTotal = 1;  // stale: recomputed
  plan.EmploymentStartAge1 = 40;
  plan.Salary1 = 10000;
  plan.AutoTotal = 11;
  plan.MedicalTotal = 22;
  plan.MedPremiums1 = 999;  // not summed again: the page total is taken as stored
  plan.CommunicationTotal = 33;
  plan.EntertainmentTotal = 44;
  plan.FoodTotal = 55;
  plan.OtherTotal = 66;
  plan.EduCost1 = 7000;
  RefreshExpenseSummary(plan);
  EXPECT_EQ(plan.DebtPayment, 2374);
  EXPECT_EQ(plan.SummaryHome, 12000);
  EXPECT_EQ(plan.TaxTotal, 620 + 145);
  EXPECT_EQ(plan.SummaryEducation, 7000);
  EXPECT_EQ(plan.SummaryMedical, 22);
  EXPECT_EQ(plan.SummaryOther, 66);
  EXPECT_EQ(plan.ExpenseTotal, 12000 + 11 + 22 + 33 + 44 + 55 + 7000 + 66 + 2374 + 765);
}

TEST(ExpenseSummaryTest, SampleStylePlanShowsZeroes) {
  PlanRecord plan;
  RefreshExpenseSummary(plan);
  EXPECT_EQ(plan.ExpenseTotal, 0);
  EXPECT_EQ(plan.DebtPayment, 0);
}

}  // namespace
