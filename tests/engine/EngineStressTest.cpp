#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "engine/PageTotals.h"
#include "EngineTestPlans.h"

namespace {

constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();


const std::vector<std::int64_t PlanRecord::*> kAmounts = {
    &PlanRecord::Salary1, &PlanRecord::Salary2, &PlanRecord::DeferredContribution1,
    &PlanRecord::DeferredContribution2, &PlanRecord::Pension1, &PlanRecord::Pension2,
    &PlanRecord::SocialSecurity1, &PlanRecord::SocialSecurity2, &PlanRecord::TaxableBalance,
    &PlanRecord::TaxDeferredBalance, &PlanRecord::CurrentDebt, &PlanRecord::HomeValue, &PlanRecord::HomeTaxes,
    &PlanRecord::MortgageBalance, &PlanRecord::NewHomePrice, &PlanRecord::NewMortgage, &PlanRecord::NewHomeTaxes,
    &PlanRecord::AnnualRent, &PlanRecord::FederalTax1, &PlanRecord::FederalTax2, &PlanRecord::StateTax1,
    &PlanRecord::StateTax2, &PlanRecord::HomeInsurance, &PlanRecord::HomeUtilities, &PlanRecord::HomeSupplies,
    &PlanRecord::HomeRepair, &PlanRecord::HomeMisc, &PlanRecord::HomeMortgageOrRent, &PlanRecord::AutoMaintenance,
    &PlanRecord::AutoInsurance, &PlanRecord::AutoFuel, &PlanRecord::CarReplaceCost1, &PlanRecord::CarReplaceCost2,
    &PlanRecord::CarReplaceCost3, &PlanRecord::AutoTotal, &PlanRecord::MedicalTotal,
    &PlanRecord::CommunicationTotal, &PlanRecord::EntertainmentTotal, &PlanRecord::FoodTotal,
    &PlanRecord::OtherAnnualTotal, &PlanRecord::OtherTotal, &PlanRecord::EduCost1, &PlanRecord::EduDebt1,
    &PlanRecord::EduCost2, &PlanRecord::EduDebt2, &PlanRecord::EduCost3, &PlanRecord::EduDebt3,
    &PlanRecord::EventYear1, &PlanRecord::EventAmount1, &PlanRecord::EventYear2, &PlanRecord::EventAmount2,
    &PlanRecord::EventYear5, &PlanRecord::EventAmount5};

const std::vector<std::int32_t PlanRecord::*> kCounts = {
    &PlanRecord::Age1, &PlanRecord::EmploymentStartAge1, &PlanRecord::RetireAge1, &PlanRecord::PensionAge1,
    &PlanRecord::SocialSecurityAge1, &PlanRecord::Age2, &PlanRecord::EmploymentStartAge2, &PlanRecord::RetireAge2,
    &PlanRecord::PensionAge2, &PlanRecord::SocialSecurityAge2, &PlanRecord::DebtYears, &PlanRecord::HomeStatus,
    &PlanRecord::MortgageYears, &PlanRecord::YearsToMove, &PlanRecord::FilingStatus, &PlanRecord::CurrentYear,
    &PlanRecord::CarYearsHad1, &PlanRecord::CarYearsLeft1, &PlanRecord::CarYearsHad2, &PlanRecord::CarYearsLeft2,
    &PlanRecord::CarYearsHad3, &PlanRecord::CarYearsLeft3, &PlanRecord::EduStartYear1, &PlanRecord::EduEndYear1,
    &PlanRecord::EduDebtYears1, &PlanRecord::EduStartYear2, &PlanRecord::EduEndYear2, &PlanRecord::EduDebtYears2};

const std::vector<long double PlanRecord::*> kRates = {
    &PlanRecord::InflationRate,  &PlanRecord::MortgageRate,      &PlanRecord::RealEstateGrowth,
    &PlanRecord::TaxableReturn,  &PlanRecord::TaxDeferredReturn, &PlanRecord::SalaryGrowth1,
    &PlanRecord::SalaryGrowth2,  &PlanRecord::PensionCola1,      &PlanRecord::PensionCola2,
    &PlanRecord::RetirementReduction};

class ExtremePlans {
 public:
  explicit ExtremePlans(std::uint64_t seed) : random_(seed) {}

  PlanRecord Next() {
    PlanRecord plan = enginetest::QuietPlan();
    for (const auto field : kAmounts) {
      if (Chance(3)) plan.*field = Amount();
    }
    for (const auto field : kCounts) {
      if (Chance(3)) plan.*field = Count();
    }
    for (const auto field : kRates) {
      if (Chance(4)) plan.*field = Rate();
    }
    return plan;
  }

 private:
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
  template <typename T>
  T Pick(const std::vector<T>& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random_)];
  }
  std::int64_t Amount() {
    return Pick<std::int64_t>({0, 1, -1, 19, 100, 250000, 5000000, -250000, kMax64, kMin64, kMax64 / 3,
                               static_cast<std::int64_t>(random_())});
  }
  std::int32_t Count() {
    return Pick<std::int32_t>({kMin32, -1, 0, 1, 2, 5, 15, 30, 59, 60, 71, 90, 91, 2005, 2006, 2030, kMax32,
                               static_cast<std::int32_t>(random_())});
  }
  long double Rate() {
    return Pick<long double>({0.0L, -100.0L, -250.0L, 1e-30L, 0.0001L, 2.5L, 100.0L, 1e6L, 1e300L, 1e4000L,
                              -1e4000L, std::numeric_limits<long double>::infinity(),
                              std::numeric_limits<long double>::quiet_NaN()});
  }
  std::mt19937_64 random_;
};

// Absurd plans give absurd figures, but never a crash, undefined behaviour
// (the sanitizer build runs this) or an out-of-range row.
TEST(EngineStressTest, ExtremePlansRunToTheEnd) {
  ExtremePlans plans(20240611);
  for (int i = 0; i < 400; ++i) {
    PlanRecord plan = plans.Next();
    ForecastTable table;
    RunForecast(plan, table);
    ToCurrentDollars(plan, table);
    ToInflatedDollars(plan, table);
    RecomputeAutoTotal(plan);
    RecomputeOtherTotal(plan);
    RecomputeCurrentNetWorth(plan);
    const int rows = RowCount(plan);
    ASSERT_GE(rows, 0);
    ASSERT_LE(rows, kForecastRows);
    // Year 1 is built even when Age1 leaves no row to show.
    for (int a = std::max(rows, 1) + 1; a <= kForecastRows; ++a) ASSERT_EQ(table.Year(a).NetWorth, 0) << i;
  }
}

TEST(EngineStressTest, HugeBalancesSaturateInsteadOfFlippingSign) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.Age1 = 15;
  plan.TaxableBalance = kMax64;
  plan.TaxDeferredBalance = kMax64;
  plan.HomeStatus = 2;
  plan.HomeValue = kMax64;
  plan.Salary1 = kMax64;
  plan.EmploymentStartAge1 = 15;
  plan.RetireAge1 = 65;
  plan.DeferredContribution1 = kMax64;
  ForecastTable table;
  RunForecast(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) {
    const YearRecord& year = table.Year(a);
    EXPECT_GT(year.TaxableInvest, 0) << a;
    EXPECT_GT(year.Property, 0) << a;
    EXPECT_GT(year.NetWorth, 0) << a;
    EXPECT_GE(year.TaxDeferred, 0) << a;
  }
  EXPECT_EQ(table.Year(2).TaxableInvest, kMax64);
}

TEST(EngineStressTest, HugeDebtStaysNegativeNetWorth) {
  PlanRecord plan = enginetest::QuietPlan();
  plan.CurrentDebt = kMax64;
  plan.DebtYears = 30;
  plan.FoodTotal = kMax64;
  ForecastTable table;
  RunForecast(plan, table);
  for (int a = 1; a <= RowCount(plan); ++a) {
    EXPECT_LT(table.Year(a).NetWorth, 0) << a;
    EXPECT_GT(table.Year(a).OtherDebt, 0) << a;
  }
}

}  // namespace
