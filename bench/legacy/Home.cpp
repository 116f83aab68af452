#include "legacy/Home.h"

#include <cmath>

#include "legacy/Factors.h"
#include "legacy/Money.h"

// Today's engine kept unchanged for comparisons and timing.
namespace legacy {

namespace {

constexpr std::int32_t kNewMortgageYears = 30;
constexpr std::int32_t kMinReborrowYears = 10;
constexpr std::int32_t kMaxReborrowYears = 30;
constexpr std::int64_t kPaidOffMargin = 100;
constexpr long double kSaleNet = 0.94L;

void ClearMortgage(EngineWork& work, YearRecord& year) {
  work.MortgageTerm = 0;
  work.MortgageYearsLeft = 0;
  work.MortgageOwed = 0;
  work.MortgagePrincipal = 0;
  year.MortgagePayment = 0;
  year.Mortgage = 0;
}

void ClearHomeValues(YearRecord& year) {
  year.PropertyTax = 0;
  year.Property = 0;
  year.HomeEquity = 0;
}

// Years the old level payment needs to repay the new balance, held to 10 .. 30.
std::int32_t ReborrowTerm(const PlanRecord& plan, std::int32_t term, std::int64_t oldPayment, std::int64_t owed) {
  if (term <= kMaxReborrowYears) {
    const long double m = owed > 0 ? static_cast<long double>(oldPayment) / static_cast<long double>(owed) : 0.0L;
    const long double r = plan.MortgageRate / 100.0L;
    if (m == 0.0L) {
      term = kMinReborrowYears;
    } else if (m > r) {
      const long double years = std::log(m / (m - r)) / std::log(1.0L + r);
      // Compared before converting: a tiny rate gives years far beyond 32 bits.
      term = years < kMaxReborrowYears ? static_cast<std::int32_t>(std::trunc(years)) : kMaxReborrowYears;
    } else {
      term = kMaxReborrowYears;
    }
  }
  if (term > kMaxReborrowYears) term = kMaxReborrowYears;
  return term < kMinReborrowYears ? kMinReborrowYears : term;
}

void Purchase(PlanRecord& plan, ForecastTable& table, int a) {
  EngineWork& work = table.work;
  YearRecord& year = table.Year(a);
  const std::int64_t k = a - 1;
  work.CurrentPropertyTax = plan.NewHomeTaxes;
  work.MortgageOwed = RoundMoney(InflationIndex(plan, k) * plan.NewMortgage);
  work.MortgagePrincipal = work.MortgageOwed;
  year.Mortgage = work.MortgageOwed;
  work.MortgageTerm = kNewMortgageYears;
  work.MortgageYearsLeft = kNewMortgageYears;
  year.MortgagePayment = RoundMoney(AnnuityFactor(plan, kNewMortgageYears) * work.MortgagePrincipal);
  if (plan.HomeStatus == 3) work.CurrentRent = 0;
  year.PropertyTax = RoundMoney(InflationIndex(plan, k) * work.CurrentPropertyTax);
  year.Property = RoundMoney(std::pow(PropertyGrowthFactor(plan), static_cast<long double>(k)) * plan.NewHomePrice);
  year.HomeEquity = SubMoney(year.Property, work.MortgageOwed);
}

void Sale(const PlanRecord& plan, ForecastTable& table, int a) {
  EngineWork& work = table.work;
  YearRecord& year = table.Year(a);
  work.CurrentPropertyTax = 0;
  ClearMortgage(work, year);
  work.CurrentRent = plan.AnnualRent;
  ClearHomeValues(year);
}

}  // namespace

void InitFirstYearHome(PlanRecord& plan, ForecastTable& table) {
  EngineWork& work = table.work;
  YearRecord& year = table.Year(1);
  work.CurrentPropertyTax = plan.HomeTaxes;
  if (plan.HomeStatus == 2 || plan.HomeStatus == 4 || plan.HomeStatus == 5) {
    work.MortgageOwed = plan.MortgageBalance;
    work.MortgagePrincipal = plan.MortgageBalance;
    year.Mortgage = plan.MortgageBalance;
    work.MortgageTerm = plan.MortgageYears;
    work.MortgageYearsLeft = plan.MortgageYears;
    year.MortgagePayment = RoundMoney(AnnuityFactor(plan, plan.MortgageYears) * plan.MortgageBalance);
    year.PropertyTax = plan.HomeTaxes;
    year.Property = plan.HomeValue;
    year.HomeEquity = SubMoney(plan.HomeValue, plan.MortgageBalance);
    work.CurrentRent = 0;
  } else {
    ClearMortgage(work, year);
    ClearHomeValues(year);
    work.CurrentRent = plan.AnnualRent;
  }
}

void UpdateOwnedHome(PlanRecord& plan, ForecastTable& table, int a) {
  EngineWork& work = table.work;
  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t k = a - 1;

  if (last.HomeEquityBorrowing > 0) {
    const std::int64_t oldPayment = RoundMoney(AnnuityFactor(plan, work.MortgageTerm) * work.MortgagePrincipal);
    work.MortgageOwed = AddMoney(work.MortgageOwed, last.HomeEquityBorrowing);
    work.MortgagePrincipal = work.MortgageOwed;
    year.Mortgage = work.MortgageOwed;
    work.MortgageTerm = ReborrowTerm(plan, work.MortgageTerm, oldPayment, work.MortgageOwed);
    work.MortgageYearsLeft = work.MortgageTerm;
  }

  if (work.MortgageYearsLeft < 1) {
    ClearMortgage(work, year);
  } else {
    const std::int64_t pay = RoundMoney(AnnuityFactor(plan, work.MortgageTerm) * work.MortgagePrincipal);
    year.MortgagePayment = pay;
    if (AddMoney(pay, kPaidOffMargin) < work.MortgageOwed) {
      const std::int64_t interest = RoundMoney(work.MortgageOwed * plan.MortgageRate / 100.0L);
      work.MortgageOwed = SubMoney(AddMoney(work.MortgageOwed, interest), pay);
      year.Mortgage = work.MortgageOwed;
      --work.MortgageYearsLeft;
    } else {
      // The last payment would barely exceed the balance: the mortgage ends
      // without charging what is left.
      ClearMortgage(work, year);
    }
  }

  year.PropertyTax = RoundMoney(InflationIndex(plan, k) * work.CurrentPropertyTax);
  year.Property = RoundMoney(PropertyGrowthFactor(plan) * last.Property);
  year.HomeEquity = SubMoney(year.Property, work.MortgageOwed);
}

void UpdateHome(PlanRecord& plan, ForecastTable& table, int a) {
  const std::int64_t k = a - 1;
  const std::int64_t move = plan.YearsToMove;
  switch (plan.HomeStatus) {
    case 1:
      ClearHomeValues(table.Year(a));
      break;
    case 2:
      UpdateOwnedHome(plan, table, a);
      break;
    case 3:
      if (k < move) {
        ClearHomeValues(table.Year(a));
      } else if (k == move) {
        Purchase(plan, table, a);
      } else {
        UpdateOwnedHome(plan, table, a);
      }
      break;
    case 4:
      if (k == move) {
        Purchase(plan, table, a);
      } else {
        UpdateOwnedHome(plan, table, a);
      }
      break;
    case 5:
      if (k < move) {
        UpdateOwnedHome(plan, table, a);
      } else if (k == move) {
        Sale(plan, table, a);
      } else {
        table.work.CurrentRent = plan.AnnualRent;
        ClearHomeValues(table.Year(a));
      }
      break;
    default:
      break;
  }
}

std::int64_t HomeDownPayment(const PlanRecord& plan, std::int64_t j) {
  return RoundMoney(std::pow(PropertyGrowthFactor(plan), static_cast<long double>(j)) * plan.NewHomePrice -
                    InflationIndex(plan, j) * plan.NewMortgage);
}

std::int64_t HomeSaleProceeds(const ForecastTable& table, int j) {
  return RoundMoney(table.Year(j).Property * kSaleNet - table.work.MortgageOwed);
}

}  // namespace legacy
