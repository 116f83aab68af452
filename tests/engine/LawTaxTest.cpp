#include <gtest/gtest.h>

#include "GeneratedPlans.h"
#include "engine/FederalBrackets.h"
#include "engine/Forecast.h"
#include "engine/LawIncomeTax.h"
#include "engine/LawYearTax.h"
#include "engine/Money.h"
#include "engine/RequiredDistributionTable.h"
#include "engine/TaxableBenefits.h"

// Pins from the published 2026 figures (docs/taxes.md): the law model must
// reproduce them to the dollar.
namespace {

using taxlaw::TaxReturn;

TEST(FederalBracketsTest, TaxAtTheTopOfEveryBracket) {
  const std::pair<std::int64_t, std::int64_t> single[] = {
      {12400, 1240}, {50400, 5800}, {105700, 17966}, {201775, 41024}, {256225, 58448}};
  for (const auto& [income, tax] : single) EXPECT_EQ(OrdinaryTaxWalk(TaxReturn::Single, income, 1.0L).tax, tax);
  const std::pair<std::int64_t, std::int64_t> joint[] = {
      {24800, 2480}, {100800, 11600}, {211400, 35932}, {403550, 82048}, {512450, 116896}};
  for (const auto& [income, tax] : joint) EXPECT_EQ(OrdinaryTaxWalk(TaxReturn::Joint, income, 1.0L).tax, tax);
  // Separately: 35 % stops at 384,350.
  EXPECT_EQ(OrdinaryTaxWalk(TaxReturn::Separate, 400000, 1.0L).tax,
            RoundMoney(OrdinaryTaxWalk(TaxReturn::Single, 384350, 1.0L).exact + 0.37L * 15650));
}

TEST(FederalBracketsTest, GainsStackOnOrdinaryIncomeAndTheWalkReadsInWords) {
  EXPECT_EQ(GainsTaxWalk(TaxReturn::Joint, 80000, 40000, 1.0L).tax, 3165);
  EXPECT_EQ(BracketWalkText(OrdinaryTaxWalk(TaxReturn::Joint, 117800, 1.0L)),
            "$24,800 at 10 % + $76,000 at 12 % + $17,000 at 22 % = $15,340");
  // Indexed thresholds grow in steps of 25, deductions of 50, plan limits of 500.
  EXPECT_EQ(IndexedFigure(24800, 1.03L, 25), 25525);
  EXPECT_EQ(IndexedFigure(16100, 1.03L, 50), 16550);
  EXPECT_EQ(IndexedFigure(24500, 1.03L, 500), 25000);
  EXPECT_EQ(IndexedFigure(16100, 0.97L, 50), 15600);
}

TEST(TaxableBenefitsTest, PublishedTable) {
  EXPECT_EQ(TaxableBenefits(TaxReturn::Joint, 12000, 40000), 0);
  EXPECT_EQ(TaxableBenefits(TaxReturn::Joint, 20000, 40000), 4000);
  EXPECT_EQ(TaxableBenefits(TaxReturn::Joint, 30000, 40000), 11100);
  EXPECT_EQ(TaxableBenefits(TaxReturn::Joint, 60000, 40000), 34000);
  EXPECT_EQ(TaxableBenefits(TaxReturn::Single, 25000, 24000), 7050);
  EXPECT_EQ(TaxableBenefits(TaxReturn::Separate, 10000, 20000), 17000);
}

TEST(LawFederalReturnTest, HouseholdA) {
  LawReturnInput a;
  a.kind = TaxReturn::Joint;
  a.wages = 150000;
  LawReturn r = LawFederalReturn(a);
  EXPECT_EQ(r.taxable, 117800);
  EXPECT_EQ(r.federal, 15340);
  EXPECT_FALSE(r.itemizes);
  EXPECT_EQ(SocialSecurityTaxUnder(WageBaseAt(1.0L), 150000) + RoundMoney(0.0145L * 150000), 11475);
  a.wages = 130000;  // 20,000 deferred into a 401(k)
  r = LawFederalReturn(a);
  EXPECT_EQ(r.taxable, 97800);
  EXPECT_EQ(r.federal, 11240);
}

TEST(LawFederalReturnTest, HouseholdBWithAndWithoutTheSeniorDeduction) {
  LawReturnInput b;
  b.kind = TaxReturn::Joint;
  b.aged = 2;
  b.benefits = 40000;
  b.distributions = 60000;
  LawReturn r = LawFederalReturn(b);
  EXPECT_EQ(r.taxableBenefits, 34000);
  EXPECT_EQ(r.agi, 94000);
  EXPECT_EQ(r.standard + r.senior, 47500);
  EXPECT_EQ(r.taxable, 46500);
  EXPECT_EQ(r.federal, 5084);
  b.year = 2029;
  r = LawFederalReturn(b);
  EXPECT_EQ(r.taxable, 58500);
  EXPECT_EQ(r.federal, 6524);
}

TEST(LawFederalReturnTest, DeductionsLossesAndInvestmentIncomeTax) {
  // The senior deduction falls by 6 % of AGI above 75,000, per person.
  EXPECT_EQ(SeniorDeduction(TaxReturn::Single, 2026, 1, 85000), 5400);
  EXPECT_EQ(SeniorDeduction(TaxReturn::Separate, 2026, 1, 50000), 0);
  // The cap shrinks by 30 % of AGI above 505,000 in 2026, to 10,000 at least; 10,000 from 2030.
  EXPECT_EQ(SaltCap(TaxReturn::Joint, 2026, 100000), 40400);
  EXPECT_EQ(SaltCap(TaxReturn::Joint, 2026, 535000), 31400);
  EXPECT_EQ(SaltCap(TaxReturn::Joint, 2026, 900000), 10000);
  EXPECT_EQ(SaltCap(TaxReturn::Separate, 2030, 100000), 5000);
  // Itemized when larger: 25,000 interest + property and state tax under the cap.
  LawReturnInput home;
  home.kind = TaxReturn::Joint;
  home.wages = 150000;
  home.mortgageInterest = 25000;
  home.propertyTax = 8000;
  home.stateRatio = 0.25L;  // 3,835 of state tax on the standard pass
  const LawReturn itemized = LawFederalReturn(home);
  EXPECT_TRUE(itemized.itemizes);
  EXPECT_EQ(itemized.itemized, 36835);
  EXPECT_EQ(itemized.taxable, 150000 - 36835);
  // A loss deducts 3,000 and carries the rest; a later gain uses the carry first.
  LawReturnInput loss;
  loss.wages = 50000;
  loss.investReturn = -10000;
  const LawReturn first = LawFederalReturn(loss);
  EXPECT_EQ(first.lossDeducted, 3000);
  EXPECT_EQ(first.lossCarried, 7000);
  loss.investReturn = 9000;
  loss.lossCarried = 7000;
  EXPECT_EQ(LawFederalReturn(loss).gains, 2000);
  // 3.8 % of the lesser of the gains and AGI above 200,000.
  LawReturnInput rich;
  rich.wages = 190000;
  rich.investReturn = 30000;
  EXPECT_EQ(LawFederalReturn(rich).investmentIncomeTax, 760);
  EXPECT_EQ(AdditionalMedicareTax(TaxReturn::Joint, 300000), 450);
}

TEST(LawFederalReturnTest, DeferralLimitsByAge) {
  EXPECT_EQ(ElectiveDeferralLimit(40, 1.0L), 24500);
  EXPECT_EQ(ElectiveDeferralLimit(55, 1.0L), 32500);
  EXPECT_EQ(ElectiveDeferralLimit(61, 1.0L), 35750);
  EXPECT_EQ(ElectiveDeferralLimit(64, 1.0L), 32500);
}

TEST(RequiredDistributionTableTest, StartingAgesAndDivisors) {
  for (const auto& [born, age] : {std::pair{1948, 70}, {1950, 72}, {1951, 73}, {1959, 73}, {1960, 75}, {1990, 75}})
    EXPECT_EQ(RequiredStartAge(born), age) << born;
  const long double published[] = {27.4L, 26.5L, 25.5L, 24.6L, 23.7L, 22.9L, 22.0L, 21.1L,
                                   20.2L, 19.4L, 18.5L, 17.7L, 16.8L, 16.0L, 15.2L, 14.4L,
                                   13.7L, 12.9L, 12.2L, 11.5L, 10.8L, 10.1L, 9.5L,  8.9L};
  for (int age = 72; age <= 95; ++age) EXPECT_EQ(UniformLifetimeDivisor(age), published[age - 72]) << age;
  EXPECT_EQ(UniformLifetimeDivisor(130), 2.0L);
}

}  // namespace

namespace {

// A return's federal tax with the additional Medicare tax on its wages.
std::int64_t TaxOnWages(const LawReturnInput& in) {
  return LawFederalReturn(in).federal + AdditionalMedicareTax(in.kind, in.wages);
}

// The returns of generated plans' years under the law: more wages never lower
// the tax, and never raise it by more than the top rate on the wages and on
// the 85 % of benefits they make taxable, plus the investment income and
// additional Medicare rates (and a dollar of rounding).
TEST(LawTaxPropertiesTest, TaxRisesWithWagesAndWithinTheTopMarginalRate) {
  enginetest::SensiblePlans plans(29);
  constexpr long double kTopMarginal = 0.37L * 1.85L + 0.038L + 0.009L;
  for (int i = 0; i < 300; ++i) {
    const PlanRecord plan = plans.Next();
    RatePath path = RatePath::FromPlan(plan);
    path.SetTaxRules(TaxRules::Law);
    const Forecast forecast = RunForecast(plan, path);
    const RunFactors run(plan, path);
    const int a = 2 + i % 20;
    if (a > RowCount(plan)) continue;
    const LawYearTaxSteps steps = LawYearTaxStepsOf(run, forecast.table, a);
    for (int r = 0; r < steps.returnCount; ++r) {
      LawReturnInput in = steps.inputs[r];
      std::int64_t last = TaxOnWages(in);
      for (const std::int64_t step : {1, 7, 1000, 25000, 400000}) {
        in.wages += step;
        const std::int64_t now = TaxOnWages(in);
        ASSERT_GE(now, last) << "plan " << i << " return " << r << " wages " << in.wages;
        ASSERT_LE(now - last, RoundMoney(kTopMarginal * static_cast<long double>(step)) + 1)
            << "plan " << i << " return " << r << " wages " << in.wages;
        last = now;
      }
    }
  }
}

// Without income or savings nothing is taxed, in any year or filing status.
TEST(LawTaxPropertiesTest, NoIncomeNoTax) {
  enginetest::SensiblePlans plans(31);
  for (int i = 0; i < 100; ++i) {
    PlanRecord plan = plans.Next();
    for (const auto field : {&PlanRecord::Salary1, &PlanRecord::Salary2, &PlanRecord::Pension1, &PlanRecord::Pension2,
                             &PlanRecord::SocialSecurity1, &PlanRecord::SocialSecurity2, &PlanRecord::TaxableBalance,
                             &PlanRecord::TaxDeferredBalance, &PlanRecord::HomeValue, &PlanRecord::NewHomePrice,
                             &PlanRecord::EventAmount1}) {
      plan.*field = 0;
    }
    RatePath path = RatePath::FromPlan(plan);
    path.SetTaxRules(TaxRules::Law);
    const Forecast forecast = RunForecast(plan, path);
    for (int a = 2; a <= RowCount(plan); ++a) ASSERT_EQ(forecast.table.Year(a).IncomeTaxes, 0) << i << " " << a;
  }
}

}  // namespace
