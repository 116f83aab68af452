#include "engine/CashNeed.h"

#include <array>

#include "engine/ExplainSteps.h"
#include "engine/Factors.h"
#include "engine/Home.h"
#include "engine/Money.h"
#include "engine/RothAccount.h"
#include "model/HomeSituation.h"

namespace {

constexpr long double kHomeEquityLimit = 0.75L;
constexpr std::int64_t kShortfallYears = 10;
constexpr std::int64_t kShortYearsLeft = 5;
constexpr std::int64_t kStudentLoanWriteOff = 20;

struct StudentLoan {
  std::int32_t endYear;
  std::int64_t debt;
  std::int32_t years;
  std::int64_t& balance;
};

std::array<StudentLoan, 3> StudentLoans(const PlanRecord& plan, EngineWork& work) {
  return {StudentLoan{plan.EduEndYear1, plan.EduDebt1, plan.EduDebtYears1, work.StudentLoanBalance1},
          StudentLoan{plan.EduEndYear2, plan.EduDebt2, plan.EduDebtYears2, work.StudentLoanBalance2},
          StudentLoan{plan.EduEndYear3, plan.EduDebt3, plan.EduDebtYears3, work.StudentLoanBalance3}};
}

std::int64_t InterestOn(const PlanRecord& plan, std::int64_t balance) {
  return RoundMoney(balance * plan.MortgageRate / 100.0L);
}

}  // namespace

bool MayDrawDeferred(const PlanRecord& plan, TaxRules rules, int j) {
  return rules == TaxRules::Law || static_cast<std::int64_t>(plan.Age1) + j >= 60;
}

std::int64_t CashNeedOf(const ForecastTable& table, int j) {
  const YearRecord& year = table.Year(j);
  std::int64_t need = SubMoney(year.Expenses, year.Income);
  // Last year's withdrawal is inside this year's Distribution but already paid
  // last year's need.
  if (j > 1) need = AddMoney(need, table.Year(j - 1).DeferredWithdrawal);
  // Roth contributions come out of the year's pay after tax.
  return AddMoney(need, year.RothContribution);
}

namespace {

// The draw from one account toward `rest`, the shortfall still uncovered.
// Returns true when the shortfall is met (or turned into a surplus). Taxable
// savings are drawn before any surplus reaches them.
bool DrawTaxable(YearRecord& year, std::int64_t& rest) {
  if (rest <= year.TaxableInvest) {
    year.TaxableWithdrawal = rest;
    return true;
  }
  year.TaxableWithdrawal = year.TaxableInvest;
  rest = SubMoney(rest, year.TaxableInvest);
  return false;
}

bool DrawDeferred(const RunFactors& run, ForecastTable& table, int j, std::int64_t& rest) {
  YearRecord& year = table.Year(j);
  if (!MayDrawDeferred(run.plan, run.taxRules, j)) return false;
  // The account must still cover this year's required distribution.
  if (AddMoney(rest, RequiredDistribution(run.plan, run.taxRules, table, j)) <= year.TaxDeferred) {
    year.DeferredWithdrawal = rest;
    return true;
  }
  year.DeferredWithdrawal = year.TaxDeferred;
  table.work.DeferredExhausted = true;
  rest = SubMoney(rest, year.TaxDeferred);
  // Emptied under its required distribution, the account can bring in more
  // than the year needs: the surplus stays in taxable savings.
  if (rest <= 0) {
    year.TaxableWithdrawal = AddMoney(year.TaxableWithdrawal, rest);
    return true;
  }
  return false;
}

bool DrawRoth(const RunFactors& run, ForecastTable& table, int j, std::int64_t& rest) {
  YearRecord& year = table.Year(j);
  const std::int64_t balance = std::max<std::int64_t>(year.RothBalance, 0);
  year.RothWithdrawal = std::min(rest, balance);
  rest = SubMoney(rest, year.RothWithdrawal);
  TakeFromRothBasis(run, table, j);
  return rest <= 0;
}

void CoverCashNeedSteps(const RunFactors& run, ForecastTable& table, int j) {
  const PlanRecord& plan = run.plan;
  YearRecord& year = table.Year(j);
  std::int64_t need = CashNeedOf(table, j);

  if (j == plan.YearsToMove) {
    bool moved = false;
    if (BuysAtMove(plan.HomeStatus) && plan.NewHomePrice > 0) {
      need = AddMoney(need, HomeDownPayment(run, j));
      if (SellsAtMove(plan.HomeStatus)) need = SubMoney(need, HomeSaleProceeds(table, j));
      moved = true;
    } else if (HomeSituationOf(plan.HomeStatus) == HomeSituation::OwnThenRent && plan.HomeValue > 0) {
      need = SubMoney(need, HomeSaleProceeds(table, j));
      moved = true;
    }
    if (moved && need < 0) {
      year.TaxableWithdrawal = need;
      return;
    }
  }

  // A surplus joins taxable savings whatever the order.
  if (need <= 0 && run.strategy.order.front() != Account::Taxable) {
    year.TaxableWithdrawal = need;
    return;
  }
  std::int64_t rest = need;
  for (const Account account : run.strategy.order) {
    const bool covered = account == Account::Taxable    ? DrawTaxable(year, rest)
                         : account == Account::Deferred ? DrawDeferred(run, table, j, rest)
                                                        : DrawRoth(run, table, j, rest);
    if (covered) return;
  }

  if (RentsInYear(plan.HomeStatus, j, plan.YearsToMove)) {
    year.UnfundedShortfall = rest;
    return;
  }

  // A mortgage above 75 percent of the value leaves nothing to borrow; the
  // first design's negative limit, which enlarged the new debt, stays a rule.
  std::int64_t limit = RoundMoney(year.Property * kHomeEquityLimit - table.work.MortgageOwed);
  if (run.homeEquityFloored && limit < 0) limit = 0;
  if (rest <= limit) {
    year.HomeEquityBorrowing = rest;
  } else {
    year.HomeEquityBorrowing = limit;
    year.UnfundedShortfall = SubMoney(rest, limit);
  }
}

}  // namespace

void CoverCashNeed(const RunFactors& run, ForecastTable& table, int j) {
  table.work.RothEarningsTaxed = 0;
  CoverCashNeedSteps(run, table, j);
  if (run.trace) [[unlikely]]
    TraceCashNeed(run, table, j);
}

void InitFirstYearDebt(const RunFactors& run, ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  YearRecord& year = table.Year(1);
  year.OtherDebtBalance = plan.CurrentDebt;
  year.OtherDebtYears = plan.DebtYears;
  year.LoanPayments = plan.DebtYears > 0 ? RoundMoney(run.Annuity(plan.DebtYears) * plan.CurrentDebt) : 0;
  std::int64_t otherDebt = plan.CurrentDebt;
  for (StudentLoan& loan : StudentLoans(plan, table.work)) {
    loan.balance = 0;
    if (loan.endYear != plan.CurrentYear) continue;
    loan.balance = loan.debt;
    year.LoanPayments = AddMoney(year.LoanPayments, RoundMoney(run.Annuity(loan.years) * loan.debt));
    otherDebt = AddMoney(otherDebt, loan.debt);
  }
  year.OtherDebt = otherDebt;
  if (run.trace) [[unlikely]]
    TraceFirstYearDebt(run, table);
}

std::int64_t UpdateOtherDebt(const RunFactors& run, ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  const std::int64_t calendarYear = static_cast<std::int64_t>(plan.CurrentYear) + a - 1;

  std::int64_t base = last.OtherDebtBalance;
  std::int64_t years = last.OtherDebtYears;
  const bool newDebt = last.UnfundedShortfall > 0;
  if (newDebt) {
    base = AddMoney(base, last.UnfundedShortfall);
    if (years < kShortYearsLeft) years = kShortfallYears;
  }
  std::int64_t interest = InterestOn(plan, base);
  if (interest < 0) interest = 0;
  std::int64_t payment = 0;
  if (years < 2) {
    year.OtherDebtBalance = 0;
    year.OtherDebtYears = 0;
  } else if (newDebt) {
    // New debt pays only interest in the year it arrives.
    year.OtherDebtBalance = base;
    year.OtherDebtYears = years;
    payment = interest;
  } else {
    payment = RoundMoney(base * run.Annuity(years));
    year.OtherDebtBalance = SubMoney(AddMoney(base, interest), payment);
    year.OtherDebtYears = years - 1;
  }

  std::int64_t loanPayments = 0;
  std::array<StudentLoan, 3> loans = StudentLoans(plan, table.work);
  for (StudentLoan& loan : loans) {
    if (calendarYear < loan.endYear || calendarYear >= static_cast<std::int64_t>(loan.endYear) + loan.years) {
      loan.balance = 0;
      continue;
    }
    const std::int64_t loanInterest = InterestOn(plan, loan.balance);
    const std::int64_t loanPayment = RoundMoney(run.Annuity(loan.years) * loan.debt);
    loan.balance = SubMoney(AddMoney(loan.balance, loanInterest), loanPayment);
    if (loan.balance < kStudentLoanWriteOff) loan.balance = 0;
    loanPayments = AddMoney(loanPayments, loanPayment);
  }
  // The debt shows at the end of the completion year, after its first payment.
  for (StudentLoan& loan : loans) {
    if (calendarYear == loan.endYear) loan.balance = loan.debt;
  }

  year.LoanPayments = AddMoney(loanPayments, payment);
  const std::int64_t otherDebt = SumMoney({table.work.StudentLoanBalance1, table.work.StudentLoanBalance2,
                                           table.work.StudentLoanBalance3, year.OtherDebtBalance});
  if (run.trace) [[unlikely]] {
    year.OtherDebt = otherDebt;
    TraceOtherDebt(run, table, a);
  }
  return otherDebt;
}
