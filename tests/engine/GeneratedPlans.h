#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "EngineTestPlans.h"
#include "engine/RatePath.h"
#include "model/PlanRecord.h"

// Plans drawn at random from a seed, for tests that run many of them.
namespace enginetest {

inline constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
inline constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

inline const std::vector<std::int64_t PlanRecord::*> kAmounts = {&PlanRecord::Salary1,
                                                                 &PlanRecord::Salary2,
                                                                 &PlanRecord::DeferredContribution1,
                                                                 &PlanRecord::DeferredContribution2,
                                                                 &PlanRecord::Pension1,
                                                                 &PlanRecord::Pension2,
                                                                 &PlanRecord::SocialSecurity1,
                                                                 &PlanRecord::SocialSecurity2,
                                                                 &PlanRecord::TaxableBalance,
                                                                 &PlanRecord::TaxDeferredBalance,
                                                                 &PlanRecord::CurrentDebt,
                                                                 &PlanRecord::HomeValue,
                                                                 &PlanRecord::HomeTaxes,
                                                                 &PlanRecord::MortgageBalance,
                                                                 &PlanRecord::NewHomePrice,
                                                                 &PlanRecord::NewMortgage,
                                                                 &PlanRecord::NewHomeTaxes,
                                                                 &PlanRecord::AnnualRent,
                                                                 &PlanRecord::FederalTax1,
                                                                 &PlanRecord::FederalTax2,
                                                                 &PlanRecord::StateTax1,
                                                                 &PlanRecord::StateTax2,
                                                                 &PlanRecord::HomeInsurance,
                                                                 &PlanRecord::HomeUtilities,
                                                                 &PlanRecord::HomeSupplies,
                                                                 &PlanRecord::HomeRepair,
                                                                 &PlanRecord::HomeMisc,
                                                                 &PlanRecord::HomeMortgageOrRent,
                                                                 &PlanRecord::AutoMaintenance,
                                                                 &PlanRecord::AutoInsurance,
                                                                 &PlanRecord::AutoFuel,
                                                                 &PlanRecord::CarReplaceCost1,
                                                                 &PlanRecord::CarReplaceCost2,
                                                                 &PlanRecord::CarReplaceCost3,
                                                                 &PlanRecord::AutoTotal,
                                                                 &PlanRecord::MedicalTotal,
                                                                 &PlanRecord::CommunicationTotal,
                                                                 &PlanRecord::EntertainmentTotal,
                                                                 &PlanRecord::FoodTotal,
                                                                 &PlanRecord::OtherAnnualTotal,
                                                                 &PlanRecord::OtherTotal,
                                                                 &PlanRecord::EduCost1,
                                                                 &PlanRecord::EduDebt1,
                                                                 &PlanRecord::EduCost2,
                                                                 &PlanRecord::EduDebt2,
                                                                 &PlanRecord::EduCost3,
                                                                 &PlanRecord::EduDebt3,
                                                                 &PlanRecord::EventYear1,
                                                                 &PlanRecord::EventAmount1,
                                                                 &PlanRecord::EventYear2,
                                                                 &PlanRecord::EventAmount2,
                                                                 &PlanRecord::EventYear5,
                                                                 &PlanRecord::EventAmount5};

inline const std::vector<std::int32_t PlanRecord::*> kCounts = {&PlanRecord::Age1,
                                                                &PlanRecord::EmploymentStartAge1,
                                                                &PlanRecord::RetireAge1,
                                                                &PlanRecord::PensionAge1,
                                                                &PlanRecord::SocialSecurityAge1,
                                                                &PlanRecord::Age2,
                                                                &PlanRecord::EmploymentStartAge2,
                                                                &PlanRecord::RetireAge2,
                                                                &PlanRecord::PensionAge2,
                                                                &PlanRecord::SocialSecurityAge2,
                                                                &PlanRecord::DebtYears,
                                                                &PlanRecord::HomeStatus,
                                                                &PlanRecord::MortgageYears,
                                                                &PlanRecord::YearsToMove,
                                                                &PlanRecord::FilingStatus,
                                                                &PlanRecord::CurrentYear,
                                                                &PlanRecord::CarYearsHad1,
                                                                &PlanRecord::CarYearsLeft1,
                                                                &PlanRecord::CarYearsHad2,
                                                                &PlanRecord::CarYearsLeft2,
                                                                &PlanRecord::CarYearsHad3,
                                                                &PlanRecord::CarYearsLeft3,
                                                                &PlanRecord::EduStartYear1,
                                                                &PlanRecord::EduEndYear1,
                                                                &PlanRecord::EduDebtYears1,
                                                                &PlanRecord::EduStartYear2,
                                                                &PlanRecord::EduEndYear2,
                                                                &PlanRecord::EduDebtYears2};

inline const std::vector<long double PlanRecord::*> kRates = {
    &PlanRecord::InflationRate,      &PlanRecord::MortgageRate,      &PlanRecord::RealEstateGrowth,
    &PlanRecord::TaxableReturn,      &PlanRecord::TaxDeferredReturn, &PlanRecord::SalaryGrowth1,
    &PlanRecord::SalaryGrowth2,      &PlanRecord::PensionCola1,      &PlanRecord::PensionCola2,
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
    return Pick<long double>({0.0L, -100.0L, -250.0L, 1e-30L, 0.0001L, 2.5L, 100.0L, 1e6L, 1e300L, 1e4000L, -1e4000L,
                              std::numeric_limits<long double>::infinity(),
                              std::numeric_limits<long double>::quiet_NaN()});
  }
  std::mt19937_64 random_;
};

// Plans a household could enter: every model in use at ordinary values.
class SensiblePlans {
 public:
  explicit SensiblePlans(std::uint64_t seed) : random_(seed) {}

  PlanRecord Next() {
    PlanRecord plan;
    plan.SecondPerson = Int(0, 1) == 1;
    plan.CurrentYear = Int(2000, 2040);
    plan.Age1 = Int(20, 85);
    plan.Age2 = Int(20, 85);
    for (auto [age, start, retire, pension, benefit] :
         {std::array{&PlanRecord::Age1, &PlanRecord::EmploymentStartAge1, &PlanRecord::RetireAge1,
                     &PlanRecord::PensionAge1, &PlanRecord::SocialSecurityAge1},
          std::array{&PlanRecord::Age2, &PlanRecord::EmploymentStartAge2, &PlanRecord::RetireAge2,
                     &PlanRecord::PensionAge2, &PlanRecord::SocialSecurityAge2}}) {
      plan.*start = plan.*age + Int(-10, 5);
      plan.*retire = plan.*age + Int(0, 30);
      plan.*pension = plan.*age + Int(-5, 30);
      plan.*benefit = Int(62, 70);
    }
    for (const auto field : {&PlanRecord::Salary1, &PlanRecord::Salary2, &PlanRecord::Pension1, &PlanRecord::Pension2,
                             &PlanRecord::SocialSecurity1, &PlanRecord::SocialSecurity2,
                             &PlanRecord::DeferredContribution1, &PlanRecord::DeferredContribution2}) {
      plan.*field = Int(0, 3) == 0 ? 0 : Int(0, 150000);
    }
    plan.TaxableBalance = Int(0, 800000);
    plan.TaxDeferredBalance = Int(0, 1500000);
    plan.CurrentDebt = Int(0, 1) * Int(0, 60000);
    plan.DebtYears = Int(0, 12);
    plan.HomeStatus = Int(1, 5);
    plan.HomeValue = Int(0, 900000);
    plan.HomeTaxes = Int(0, 15000);
    plan.MortgageBalance = Int(0, 600000);
    plan.MortgageYears = Int(0, 30);
    plan.YearsToMove = Int(0, 40);
    plan.NewHomePrice = Int(0, 1200000);
    plan.NewMortgage = Int(0, 800000);
    plan.NewHomeTaxes = Int(0, 20000);
    plan.AnnualRent = Int(0, 40000);
    plan.FilingStatus = Int(1, 4);
    for (const auto field :
         {&PlanRecord::FederalTax1, &PlanRecord::FederalTax2, &PlanRecord::StateTax1, &PlanRecord::StateTax2,
          &PlanRecord::HomeInsurance, &PlanRecord::HomeUtilities, &PlanRecord::HomeRepair, &PlanRecord::AutoFuel,
          &PlanRecord::MedicalTotal, &PlanRecord::FoodTotal, &PlanRecord::OtherAnnualTotal, &PlanRecord::OtherTotal,
          &PlanRecord::CarReplaceCost1, &PlanRecord::EduCost1, &PlanRecord::EduDebt1}) {
      plan.*field = Int(0, 30000);
    }
    plan.CarYearsHad1 = Int(0, 5);
    plan.CarYearsLeft1 = Int(0, 8);
    plan.EduStartYear1 = plan.CurrentYear + Int(-2, 15);
    plan.EduEndYear1 = plan.EduStartYear1 + Int(1, 5);
    plan.EduDebtYears1 = Int(0, 15);
    plan.EventYear1 = plan.CurrentYear + Int(0, 30);
    plan.EventAmount1 = Int(-50000, 100000);
    plan.InflationRate = Rate(-1, 8);
    plan.MortgageRate = Rate(-1, 12);
    plan.RealEstateGrowth = Rate(-3, 5);
    plan.TaxableReturn = Rate(-5, 9);
    plan.TaxDeferredReturn = Rate(-5, 9);
    plan.SalaryGrowth1 = Rate(0, 4);
    plan.SalaryGrowth2 = Int(0, 1) == 0 ? plan.SalaryGrowth1 : Rate(0, 4);
    plan.PensionCola1 = Rate(0, 3);
    plan.PensionCola2 = Rate(0, 3);
    plan.RetirementReduction = Rate(0, 40);
    return plan;
  }

  // The plan with a Roth account, a withdrawal order and, now and then, a
  // bracket filling or a fixed conversion over ages of its own or the default.
  PlanRecord WithAccounts(PlanRecord plan) {
    static constexpr std::array<const char*, 6> kOrders = {"taxable,deferred,roth", "taxable,roth,deferred",
                                                           "deferred,taxable,roth", "deferred,roth,taxable",
                                                           "roth,taxable,deferred", "roth,deferred,taxable"};
    static constexpr std::array<int, 6> kBrackets = {0, 10, 12, 22, 24, 32};
    plan.RothBalance = Int(0, 3) == 0 ? 0 : Int(0, 400000);
    plan.RothBasis = Int(0, static_cast<int>(plan.RothBalance));
    plan.RothContribution1 = Int(0, 1) * Int(0, 8000);
    plan.RothContribution2 = Int(0, 1) * Int(0, 8000);
    plan.WithdrawalOrder = kOrders[static_cast<std::size_t>(Int(0, 5))];
    plan.FillBracket = kBrackets[static_cast<std::size_t>(Int(0, 5))];
    plan.FillInto = Int(0, 1) == 0 ? "taxable" : "roth";
    plan.ConvertAmount = Int(0, 2) == 0 ? Int(1000, 60000) : 0;
    if (Int(0, 1) == 0) {
      plan.FillFromAge = plan.Age1 + Int(0, 10);
      plan.FillToAge = plan.FillFromAge + Int(0, 15);
    }
    return plan;
  }

  // Rates for `years` years around the plan's own: some years repeat the last.
  RatePath NextPath(const PlanRecord& plan, int years) {
    std::vector<YearRates> rates;
    YearRates year{plan.InflationRate, plan.TaxableReturn, plan.TaxDeferredReturn, plan.RealEstateGrowth};
    for (int a = 1; a <= years; ++a) {
      if (Int(0, 2) != 0) year = {Rate(-2, 9), Rate(-20, 25), Rate(-20, 25), Rate(-10, 10)};
      rates.push_back(year);
    }
    return RatePath(rates);
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  // Quarter percents and, now and then, an arbitrary decimal.
  long double Rate(int low, int high) {
    if (Int(0, 4) == 0) return std::uniform_real_distribution<double>(low, high)(random_);
    return static_cast<long double>(Int(low * 4, high * 4)) / 4.0L;
  }
  std::mt19937_64 random_;
};

}  // namespace enginetest
