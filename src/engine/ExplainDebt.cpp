#include <array>

#include "engine/ExplainSteps.h"
#include "engine/Money.h"

namespace {

constexpr int kOtherDebt = SlotOf(&YearRecord::OtherDebt);
constexpr int kLoanPayments = SlotOf(&YearRecord::LoanPayments);
constexpr int kOtherDebtBalance = SlotOf(&YearRecord::OtherDebtBalance);
constexpr int kOtherDebtYears = SlotOf(&YearRecord::OtherDebtYears);
constexpr int kUnfundedShortfall = SlotOf(&YearRecord::UnfundedShortfall);
constexpr std::int64_t kStudentLoanWriteOff = 20;
constexpr std::int64_t kShortfallYears = 10;
constexpr std::int64_t kShortYearsLeft = 5;

struct LoanFields {
  const char* debtName;
  std::int32_t endYear;
  std::int64_t debt;
  std::int32_t years;
  std::int64_t balance;
};

std::array<LoanFields, 3> Loans(const PlanRecord& plan, const EngineWork& work) {
  return {LoanFields{"EduDebt1", plan.EduEndYear1, plan.EduDebt1, plan.EduDebtYears1, work.StudentLoanBalance1},
          LoanFields{"EduDebt2", plan.EduEndYear2, plan.EduDebt2, plan.EduDebtYears2, work.StudentLoanBalance2},
          LoanFields{"EduDebt3", plan.EduEndYear3, plan.EduDebt3, plan.EduDebtYears3, work.StudentLoanBalance3}};
}

std::string LoanLabel(int i) { return "student loan " + std::to_string(i + 1) + " balance"; }

std::string RateLabel() { return "interest rate"; }

void TraceLoanBalance(const RunFactors& run, int a, int i, const LoanFields& loan) {
  const int slot = kStudentLoanSlot + i;
  const std::int64_t calendarYear = CalendarYear(run, a);
  if (calendarYear == loan.endYear) {
    RecordNode(*run.trace, a, slot, loan.balance, std::move(ExplainTerms().Input(loan.debtName, loan.balance)));
    return;
  }
  if (calendarYear < loan.endYear || calendarYear >= static_cast<std::int64_t>(loan.endYear) + loan.years) {
    RecordNote(*run.trace, a, slot, loan.balance, "no student loan being repaid this year");
    return;
  }
  const std::int64_t before = run.trace->Node(a - 1, slot).amount;
  const std::int64_t interest = RoundMoney(before * run.plan.MortgageRate / 100.0L);
  const std::int64_t payment = RoundMoney(run.Annuity(loan.years) * loan.debt);
  ExplainTerms terms;
  terms.Carried(LoanLabel(i), a - 1, slot, before)
      .ScaledAmount("interest on the balance", before, run.plan.MortgageRate / 100.0L, RateLabel())
      .ScaledInput(loan.debtName, loan.debt, -run.Annuity(loan.years),
                   AnnuityLabel(run, loan.years) + ", the payment subtracted");
  const std::int64_t left = SubMoney(AddMoney(before, interest), payment);
  if (left < kStudentLoanWriteOff) terms.Amount("written off: less than $20 left", SubMoney(0, left));
  RecordNode(*run.trace, a, slot, loan.balance, std::move(terms), 1);
}

void TraceOtherDebtTotal(const RunFactors& run, const ForecastTable& table, int a, ExplainTerms terms) {
  for (int i = 0; i < 3; ++i) {
    const std::int64_t balance = run.trace->Node(a, kStudentLoanSlot + i).amount;
    if (balance != 0) terms.Carried(LoanLabel(i), a, kStudentLoanSlot + i, balance);
  }
  RecordNode(*run.trace, a, kOtherDebt, table.Year(a).OtherDebt, std::move(terms));
}

}  // namespace

void TraceFirstYearDebt(const RunFactors& run, const ForecastTable& table) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(1);
  ExplainTrace& trace = *run.trace;
  RecordNode(trace, 1, kOtherDebtBalance, year.OtherDebtBalance,
             std::move(ExplainTerms().Input("CurrentDebt", year.OtherDebtBalance)));
  RecordNode(trace, 1, kOtherDebtYears, year.OtherDebtYears,
             std::move(ExplainTerms().Input("DebtYears", year.OtherDebtYears)));
  ExplainTerms payments;
  if (plan.DebtYears > 0) {
    payments.ScaledInput("CurrentDebt", plan.CurrentDebt, run.Annuity(plan.DebtYears),
                         AnnuityLabel(run, plan.DebtYears));
  }
  const std::array<LoanFields, 3> loans = Loans(plan, table.work);
  for (int i = 0; i < 3; ++i) {
    const LoanFields& loan = loans[static_cast<std::size_t>(i)];
    if (loan.endYear == plan.CurrentYear) {
      payments.ScaledInput(loan.debtName, loan.debt, run.Annuity(loan.years), AnnuityLabel(run, loan.years));
      RecordNode(trace, 1, kStudentLoanSlot + i, loan.balance,
                 std::move(ExplainTerms().Input(loan.debtName, loan.debt)));
    } else {
      RecordNote(trace, 1, kStudentLoanSlot + i, loan.balance, "no student loan this year");
    }
  }
  RecordNode(trace, 1, kLoanPayments, year.LoanPayments, std::move(payments));
  TraceOtherDebtTotal(run, table, 1, std::move(ExplainTerms().Input("CurrentDebt", plan.CurrentDebt)));
}

void TraceOtherDebt(const RunFactors& run, const ForecastTable& table, int a) {
  const PlanRecord& plan = run.plan;
  const YearRecord& year = table.Year(a);
  const YearRecord& last = table.Year(a - 1);
  ExplainTrace& trace = *run.trace;
  const std::array<LoanFields, 3> loans = Loans(plan, table.work);
  const std::int64_t calendarYear = CalendarYear(run, a);

  ExplainTerms payments;
  for (int i = 0; i < 3; ++i) {
    const LoanFields& loan = loans[static_cast<std::size_t>(i)];
    if (calendarYear >= loan.endYear && calendarYear < static_cast<std::int64_t>(loan.endYear) + loan.years) {
      payments.ScaledInput(loan.debtName, loan.debt, run.Annuity(loan.years), AnnuityLabel(run, loan.years));
    }
    TraceLoanBalance(run, a, i, loan);
  }

  const bool newDebt = last.UnfundedShortfall > 0;
  ExplainTerms base;
  base.Cell(a - 1, kOtherDebtBalance, last.OtherDebtBalance);
  if (newDebt) base.Cell(a - 1, kUnfundedShortfall, last.UnfundedShortfall);
  const std::int64_t years = newDebt && last.OtherDebtYears < kShortYearsLeft ? kShortfallYears : last.OtherDebtYears;
  const long double rate = plan.MortgageRate / 100.0L;
  if (years < 2) {
    const char* const why = "the other debt is repaid";
    RecordNote(trace, a, kOtherDebtBalance, year.OtherDebtBalance, why);
    RecordNote(trace, a, kOtherDebtYears, year.OtherDebtYears, why);
  } else if (newDebt) {
    RecordNode(trace, a, kOtherDebtBalance, year.OtherDebtBalance, base);
    ExplainTerms left;
    if (years == kShortfallYears && last.OtherDebtYears < kShortYearsLeft) {
      left.Amount("new debt is repaid over 10 years", kShortfallYears);
    } else {
      left.Cell(a - 1, kOtherDebtYears, last.OtherDebtYears);
    }
    RecordNode(trace, a, kOtherDebtYears, year.OtherDebtYears, std::move(left));
    if (AddMoney(last.OtherDebtBalance, last.UnfundedShortfall) * plan.MortgageRate > 0.0L) {
      payments.ScaledStep("interest only, in the year new debt arrives", base, rate, RateLabel());
    }
  } else {
    ExplainTerms balance = base;
    const std::int64_t interest = RoundMoney(last.OtherDebtBalance * plan.MortgageRate / 100.0L);
    if (interest > 0) balance.ScaledCell(a - 1, kOtherDebtBalance, last.OtherDebtBalance, rate, RateLabel());
    balance.ScaledCell(a - 1, kOtherDebtBalance, last.OtherDebtBalance, -run.Annuity(years),
                       AnnuityLabel(run, years) + ", the payment subtracted");
    RecordNode(trace, a, kOtherDebtBalance, year.OtherDebtBalance, std::move(balance), 2);
    RecordNode(
        trace, a, kOtherDebtYears, year.OtherDebtYears,
        std::move(ExplainTerms().Cell(a - 1, kOtherDebtYears, last.OtherDebtYears).Amount("one year repaid", -1)));
    payments.ScaledCell(a - 1, kOtherDebtBalance, last.OtherDebtBalance, run.Annuity(years), AnnuityLabel(run, years));
  }
  RecordNode(trace, a, kLoanPayments, year.LoanPayments, std::move(payments), 1);
  TraceOtherDebtTotal(run, table, a, std::move(ExplainTerms().Cell(a, kOtherDebtBalance, year.OtherDebtBalance)));
}
