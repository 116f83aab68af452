#include "engine/Home.h"

#include <cmath>

#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/Money.h"
#include "model/HomeSituation.h"

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

void Purchase(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  EngineWork& work = table.work;
  YearRecord& year = table.Year(a);
  const std::int64_t k = a - 1;
  work.CurrentPropertyTax = plan.NewHomeTaxes;
  work.MortgageOwed = RoundMoney(run.InflationIndex(k) * plan.NewMortgage);
  work.MortgagePrincipal = work.MortgageOwed;
  year.Mortgage = work.MortgageOwed;
  work.MortgageTerm = kNewMortgageYears;
  work.MortgageYearsLeft = kNewMortgageYears;
  year.MortgagePayment = RoundMoney(run.Annuity(kNewMortgageYears) * work.MortgagePrincipal);
  if (HomeSituationOf(plan.HomeStatus) == HomeSituation::RentThenBuy) work.CurrentRent = 0;
  year.PropertyTax = RoundMoney(run.InflationIndex(k) * work.CurrentPropertyTax);
  year.Property = RoundMoney(run.PropertyIndex(k) * plan.NewHomePrice);
  year.HomeEquity = SubMoney(year.Property, work.MortgageOwed);
  if (run.trace) [[unlikely]]
    TracePurchase(run, table, a);
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

void InitFirstYearHome(const RunFactors& run, ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  EngineWork& work = table.work;
  YearRecord& year = table.Year(1);
  work.CurrentPropertyTax = plan.HomeTaxes;
  if (OwnsHomeNow(plan.HomeStatus)) {
    work.MortgageOwed = plan.MortgageBalance;
    work.MortgagePrincipal = plan.MortgageBalance;
    year.Mortgage = plan.MortgageBalance;
    work.MortgageTerm = plan.MortgageYears;
    work.MortgageYearsLeft = plan.MortgageYears;
    year.MortgagePayment = RoundMoney(run.Annuity(plan.MortgageYears) * plan.MortgageBalance);
    year.PropertyTax = plan.HomeTaxes;
    year.Property = plan.HomeValue;
    year.HomeEquity = SubMoney(plan.HomeValue, plan.MortgageBalance);
    work.CurrentRent = 0;
  } else {
    ClearMortgage(work, year);
    ClearHomeValues(year);
    work.CurrentRent = plan.AnnualRent;
  }
  if (run.trace) [[unlikely]]
    TraceFirstYearHome(run, table);
}

void UpdateOwnedHome(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  EngineWork& work = table.work;
  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t k = a - 1;
  const std::int64_t owedBefore = work.MortgageOwed;

  if (last.HomeEquityBorrowing > 0) {
    const std::int64_t oldPayment = RoundMoney(run.Annuity(work.MortgageTerm) * work.MortgagePrincipal);
    work.MortgageOwed = AddMoney(work.MortgageOwed, last.HomeEquityBorrowing);
    work.MortgagePrincipal = work.MortgageOwed;
    year.Mortgage = work.MortgageOwed;
    work.MortgageTerm = ReborrowTerm(plan, work.MortgageTerm, oldPayment, work.MortgageOwed);
    work.MortgageYearsLeft = work.MortgageTerm;
  }

  if (work.MortgageYearsLeft < 1) {
    ClearMortgage(work, year);
  } else {
    const std::int64_t pay = RoundMoney(run.Annuity(work.MortgageTerm) * work.MortgagePrincipal);
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

  year.PropertyTax = RoundMoney(run.InflationIndex(k) * work.CurrentPropertyTax);
  // Last year's value grows at last year's rate.
  year.Property = RoundMoney(run.PropertyGrowth(a - 1) * last.Property);
  year.HomeEquity = SubMoney(year.Property, work.MortgageOwed);
  if (run.trace) [[unlikely]]
    TraceOwnedHome(run, table, a, owedBefore, last.HomeEquityBorrowing > 0);
}

void UpdateHome(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const std::int64_t k = a - 1;
  const std::int64_t move = plan.YearsToMove;
  switch (HomeSituationOf(plan.HomeStatus)) {
    case HomeSituation::Rent:
      ClearHomeValues(table.Year(a));
      if (run.trace) [[unlikely]]
        TraceNoHome(run, table, a, "renting: no home owned");
      break;
    case HomeSituation::Own:
      UpdateOwnedHome(run, table, a);
      break;
    case HomeSituation::RentThenBuy:
      if (k < move) {
        ClearHomeValues(table.Year(a));
        if (run.trace) [[unlikely]]
          TraceNoHome(run, table, a, "renting until the home is bought");
      } else if (k == move) {
        Purchase(run, table, a);
      } else {
        UpdateOwnedHome(run, table, a);
      }
      break;
    case HomeSituation::OwnThenBuyAnother:
      if (k == move) {
        Purchase(run, table, a);
      } else {
        UpdateOwnedHome(run, table, a);
      }
      break;
    case HomeSituation::OwnThenRent:
      if (k < move) {
        UpdateOwnedHome(run, table, a);
      } else if (k == move) {
        Sale(plan, table, a);
        if (run.trace) [[unlikely]]
          TraceNoHome(run, table, a, "the home is sold this year");
      } else {
        table.work.CurrentRent = plan.AnnualRent;
        ClearHomeValues(table.Year(a));
        if (run.trace) [[unlikely]]
          TraceNoHome(run, table, a, "renting since the home was sold");
      }
      break;
    default:
      break;
  }
}

std::int64_t HomeDownPayment(const RunFactors& run, std::int64_t j) {
  return RoundMoney(run.PropertyIndex(j) * run.plan.NewHomePrice - run.InflationIndex(j) * run.plan.NewMortgage);
}

std::int64_t HomeSaleProceeds(const ForecastTable& table, int j) {
  return RoundMoney(table.Year(j).Property * kSaleNet - table.work.MortgageOwed);
}
