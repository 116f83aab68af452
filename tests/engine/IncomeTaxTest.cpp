#include <gtest/gtest.h>

#include "engine/IncomeTax.h"
#include "EngineTestPlans.h"

namespace {

using enginetest::QuietPlan;

TEST(FederalTaxCurveTest, ValuesAtTaxIndexOne) {
  EXPECT_NEAR(FederalTaxCurve(10000.0L, 1.0L, false), 1205.28L, 0.01L);
  EXPECT_NEAR(FederalTaxCurve(50000.0L, 1.0L, false), 8800.19L, 0.01L);
  EXPECT_NEAR(FederalTaxCurve(100000.0L, 1.0L, false), 20717.59L, 0.01L);
  EXPECT_NEAR(FederalTaxCurve(50000.0L, 1.0L, true), 7662.74L, 0.01L);
  EXPECT_NEAR(FederalTaxCurve(100000.0L, 1.0L, true), 18346.47L, 0.01L);
}

TEST(FederalTaxCurveTest, CappedAtThirtyFivePercentAndZeroWithoutIncome) {
  EXPECT_EQ(FederalTaxCurve(1000000.0L, 1.0L, false), 0.35L * 1000000.0L);
  EXPECT_EQ(FederalTaxCurve(1e9L, 1.3L, true), 0.35L * 1e9L);
  EXPECT_EQ(FederalTaxCurve(0.0L, 1.0L, false), 0.0L);
  // Indexing scales the curve: the same real income pays t times the tax.
  EXPECT_NEAR(FederalTaxCurve(20000.0L, 2.0L, false), 2.0L * FederalTaxCurve(10000.0L, 1.0L, false), 1e-9L);
}

TEST(TaxableSocialSecurityTest, HalfIncomeQuarterBenefitAboveHalfTheBase) {
  PlanRecord plan = QuietPlan();
  EXPECT_EQ(TaxableSocialSecurity(plan, 30000, 1.0L, 20000), 7500);
  EXPECT_EQ(TaxableSocialSecurity(plan, 10000, 1.0L, 20000), 0);
  EXPECT_EQ(TaxableSocialSecurity(plan, 100000, 1.0L, 20000), 17000);  // at most 85 percent
  plan.FilingStatus = 2;
  EXPECT_EQ(TaxableSocialSecurity(plan, 30000, 1.0L, 20000), 4000);
  EXPECT_EQ(TaxableSocialSecurity(plan, 30000, 1.1L, 20000), 2400);  // the base is indexed
}

TEST(FicaTest, WageBaseIndexedToCurrentYearOnly) {
  PlanRecord plan = QuietPlan();
  EXPECT_EQ(SocialSecurityTax(plan, 50000), 3100);
  EXPECT_EQ(SocialSecurityTax(plan, 89999), 5580);  // 5579.94 rounds up
  EXPECT_EQ(SocialSecurityTax(plan, 90000), 5580);
  EXPECT_EQ(SocialSecurityTax(plan, 500000), 5580);
  plan.CurrentYear = 2007;
  EXPECT_EQ(SocialSecurityTax(plan, 94000), 5828);   // below the base of 94556.25
  EXPECT_EQ(SocialSecurityTax(plan, 100000), 5862);  // 5580 * 1.050625
  EXPECT_EQ(MedicareTax(100000), 1450);
  EXPECT_EQ(MedicareTax(103500), 1501);
}

TEST(StateTaxFactorTest, RatioOnlyWithFederalTax) {
  PlanRecord plan = QuietPlan();
  plan.FederalTax1 = 8000;
  plan.StateTax1 = 2000;
  plan.StateTax2 = 500;
  EXPECT_EQ(StateTaxFactor1(plan), 1.25L);
  EXPECT_EQ(StateTaxFactor2(plan), 1.0L);
}

// Year 2 of a two-earner household: person 2 earns above the wage base, the
// household holds 50,000 taxable, withdrew 4,000 last year and owes 200,000
// on the home with 4,000 property tax (itemized 16,000).
class FilingStatusTest : public ::testing::Test {
 protected:
  FilingStatusTest() {
    plan_.Age1 = 50;
    plan_.EmploymentStartAge1 = 50;
    plan_.RetireAge1 = 65;
    plan_.Salary1 = 60000;
    plan_.Age2 = 48;
    plan_.EmploymentStartAge2 = 48;
    plan_.RetireAge2 = 65;
    plan_.Salary2 = 100000;
    plan_.FederalTax1 = 8000;
    plan_.StateTax1 = 2000;
    plan_.FederalTax2 = 10000;
    plan_.StateTax2 = 1000;
    table_.Year(1).DeferredWithdrawal = 4000;
    table_.Year(2).TaxableInvest = 50000;
    table_.Year(2).Mortgage = 200000;
    table_.Year(2).PropertyTax = 4000;
  }
  std::int64_t Taxes(std::int32_t status) {
    plan_.FilingStatus = status;
    return ComputeIncomeTaxes(enginetest::FactorsOf(plan_), table_, 2);
  }
  PlanRecord plan_;
  ForecastTable table_;
};

TEST_F(FilingStatusTest, GrossIncomeTakesHalfOfReturnAndLastYearsDistributions) {
  EXPECT_EQ(GrossIncome1(enginetest::FactorsOf(plan_), table_, 2), 62100 + 1000 + 2000);
  EXPECT_EQ(GrossIncome2(enginetest::FactorsOf(plan_), table_, 2), 103500 + 1000 + 2000);
  // This year's Distribution does not enter.
  table_.Year(2).Distribution = 99999;
  EXPECT_EQ(GrossIncome1(enginetest::FactorsOf(plan_), table_, 2), 65100);
}

TEST_F(FilingStatusTest, OneSinglePersonCountsOnlyPersonOne) {
  // w = 65100 - 16000 - 3177.5; 3850 + 900 FICA + round(1.25 * 7876.50)
  EXPECT_EQ(Taxes(1), 14596);
}

TEST_F(FilingStatusTest, JointFilingUsesPersonOnesStateRatio) {
  // w = 171600 - 16000 - 6355; FICA 3850 + 900 + 5580 + 1501; round(1.25 * 30186.16)
  EXPECT_EQ(Taxes(2), 49564);
}

TEST_F(FilingStatusTest, SeparateFilingGivesItemizedDeductionToLargerIncome) {
  // w1 = 65100 - 6047.5 - 3177.5, w2 = 106500 - 16000 - 3177.5; summed, rounded once
  EXPECT_EQ(Taxes(3), 43540);
  EXPECT_EQ(Taxes(4), 43540);
}

TEST_F(FilingStatusTest, SeparateFilingWithSmallItemizedGivesBothStandard) {
  table_.Year(2).Mortgage = 0;
  table_.Year(2).PropertyTax = 3000;
  const std::int64_t withSmallItemized = Taxes(3);
  table_.Year(2).PropertyTax = 0;
  EXPECT_EQ(Taxes(3), withSmallItemized);
}

TEST_F(FilingStatusTest, PersonTwoWithoutFederalTaxPaysNoStateTax) {
  plan_.FederalTax2 = 0;
  const std::int64_t withoutRatio = Taxes(3);
  plan_.FederalTax2 = 10000;
  plan_.StateTax2 = 0;
  EXPECT_EQ(Taxes(3), withoutRatio);
}

TEST_F(FilingStatusTest, JointBenefitsIndexedByPersonOnesFactor) {
  plan_.SocialSecurityAge1 = 70;  // person 1 draws nothing yet
  plan_.SocialSecurity2 = 30000;
  const std::int64_t withBenefit = Taxes(2);
  plan_.SocialSecurity2 = 0;
  EXPECT_EQ(Taxes(2), withBenefit);
  // Once person 1's factor applies, the same benefit becomes partly taxable.
  plan_.SocialSecurityAge1 = 0;
  plan_.SocialSecurity2 = 30000;
  EXPECT_GT(Taxes(2), withBenefit);
}

TEST_F(FilingStatusTest, SalariesAreTheOnlyFicaBase) {
  plan_.Salary1 = 0;
  plan_.Salary2 = 0;
  plan_.FederalTax1 = 0;
  table_.Year(1).DeferredWithdrawal = 0;
  table_.Year(2).TaxableInvest = 0;
  plan_.Pension1 = 50000;
  plan_.PensionAge1 = 50;
  // Pension 50000; w = 50000 - 16000 - 3177.5 = 30822.5 -> federal only.
  EXPECT_NEAR(static_cast<long double>(Taxes(1)), FederalTaxCurve(30822.5L, 1.025L, false), 0.5L);
}

}  // namespace
