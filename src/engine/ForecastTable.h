#pragma once

#include <array>
#include <cstdint>

struct PlanRecord;

// One forecast year. The field order is fixed: exports and the golden tests
// address fields by their position.
struct YearRecord {
  std::int64_t NetWorth = 0;
  std::int64_t TaxDeferred = 0;
  std::int64_t TaxableInvest = 0;
  std::int64_t HomeEquity = 0;
  std::int64_t OtherDebt = 0;
  std::int64_t Expenses = 0;
  std::int64_t IncomeTaxes = 0;
  std::int64_t PropertyTax = 0;
  std::int64_t Income = 0;
  std::int64_t Salaries = 0;
  std::int64_t Pensions = 0;
  std::int64_t SocialSecurity = 0;
  std::int64_t InvestReturn = 0;
  std::int64_t Distribution = 0;
  std::int64_t Mortgage = 0;
  std::int64_t MortgagePayment = 0;
  std::int64_t Property = 0;
  std::int64_t LoanPayments = 0;
  std::int64_t OtherDebtBalance = 0;
  std::int64_t OtherDebtYears = 0;
  std::int64_t TaxableWithdrawal = 0;
  std::int64_t DeferredWithdrawal = 0;
  std::int64_t HomeEquityBorrowing = 0;
  std::int64_t UnfundedShortfall = 0;
  // The law's 10 % additional tax on tax-deferred money drawn early; part of IncomeTaxes.
  std::int64_t EarlyDrawTax = 0;
  // The Roth account: its balance, the year's contributions from salary, the
  // draw covering the year's cash need and the tax-deferred money converted in.
  std::int64_t RothBalance = 0;
  std::int64_t RothContribution = 0;
  std::int64_t RothWithdrawal = 0;
  std::int64_t Conversion = 0;
  // Net worth with the tax-deferred balance net of the tax drawing it would
  // cost at the year's marginal rate (docs/withdrawals.md).
  std::int64_t AfterTaxNetWorth = 0;
};

inline constexpr int kYearFieldCount = 30;
inline constexpr int kForecastRows = 80;

// Values the run carries from year to year; overwritten by every run.
struct EngineWork {
  std::int32_t MortgageTerm = 0;
  std::int32_t MortgageYearsLeft = 0;
  std::int64_t MortgageOwed = 0;
  std::int64_t MortgagePrincipal = 0;
  std::int64_t StudentLoanBalance1 = 0;
  std::int64_t StudentLoanBalance2 = 0;
  std::int64_t StudentLoanBalance3 = 0;
  std::int64_t CurrentRent = 0;
  std::int64_t HomeCostsA = 0;
  std::int64_t HomeCostsB = 0;
  std::int64_t CurrentPropertyTax = 0;
  bool DeferredExhausted = false;
  // Capital loss of the taxable account carried into next year under the law
  // (person 2's only on a second return).
  std::int64_t CapitalLossCarried1 = 0;
  std::int64_t CapitalLossCarried2 = 0;
  // The contributions and conversions still inside the Roth balance (drawn
  // first), and the earnings of last year's draw that this year taxes.
  std::int64_t RothBasis = 0;
  std::int64_t RothEarningsTaxed = 0;
  // The year's bracket filling drawn into taxable savings (inside Distribution).
  std::int64_t FilledIntoTaxable = 0;
  // The filling's bracket top and the taxable income it started from, on the
  // return with the least room, for the year's explanation.
  std::int64_t FillTop = 0;
  std::int64_t FillTaxableBefore = 0;
  // The rate the last taxed year's next dollar of tax-deferred money pays.
  long double MarginalRate = 0.0L;
};

struct ForecastTable {
  std::array<YearRecord, kForecastRows> rows{};
  EngineWork work{};

  // Year index a runs from 1 (the current year) to 80.
  YearRecord& Year(int a) { return rows[static_cast<std::size_t>(a - 1)]; }
  const YearRecord& Year(int a) const { return rows[static_cast<std::size_t>(a - 1)]; }
};

// Rows used by a run: person 1's ages Age1 .. 90, held to the table's 80 rows
// whatever Age1 a plan file holds.
int RowCount(const PlanRecord& plan);

void ResetForecastTable(ForecastTable& table);

// A field summed over the first `rows` years (lifetime taxes, a diff's NAME:sum).
std::int64_t SumOverYears(const ForecastTable& table, int rows, std::int64_t YearRecord::*field);
