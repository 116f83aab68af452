#pragma once

#include <cstdint>
#include <string>

#include "engine/ExplainTerms.h"
#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"

// The engine's steps call these, only when the run carries a trace, with the
// values they just computed; each records the nodes of the cells it set.
// Kept out of line so a run without a trace stays as it was.

// Words shared by the recorders.
std::int64_t CalendarYear(const RunFactors& run, int a);
std::string InYear(const RunFactors& run, int a);  // " in 2040"

// Balances, income parts, returns, distributions, income and net worth.
void TraceFirstYearBalances(const RunFactors& run, const ForecastTable& table);
void TraceIncomeParts(const RunFactors& run, const ForecastTable& table, int a);
void TraceInvestReturn(const RunFactors& run, const ForecastTable& table, int a);
void TraceDistribution(const RunFactors& run, const ForecastTable& table, int a);
void TraceIncomeAndNetWorth(const RunFactors& run, const ForecastTable& table, int a);
// A yearly amount person p pays from salary in year a >= 2 (RunFactors::FromSalary).
void AddFromSalaryTerm(const RunFactors& run, int p, int a, const char* name, std::int64_t amount,
                       ExplainTerms& terms);
void TraceBalances(const RunFactors& run, const ForecastTable& table, int a, std::int64_t c1, std::int64_t c2);
// The required distribution of year a as terms (none before the first distribution age).
ExplainTerms RequiredDistributionTerms(const RunFactors& run, const ForecastTable& table, int a);

// The home step of year a in the plan's situation.
void TraceFirstYearHome(const RunFactors& run, const ForecastTable& table);
void TraceNoHome(const RunFactors& run, const ForecastTable& table, int a, const std::string& why);
void TracePurchase(const RunFactors& run, const ForecastTable& table, int a);
// `owedBefore` is the balance owed before the year's step, `reborrowed`
// whether last year's home-equity borrowing joined it.
void TraceOwnedHome(const RunFactors& run, const ForecastTable& table, int a, std::int64_t owedBefore, bool reborrowed);
// The mortgage balance the run owes now: year a's Mortgage cell when it is the same.
void AddMortgageOwed(const ForecastTable& table, int a, ExplainTerms& terms, bool negative);
// Words after the level payment's share of the loan: "a year repays a loan over
// 30 years at 6.5 % interest".
std::string AnnuityLabel(const RunFactors& run, std::int64_t years);
std::string InflationLabel(const RunFactors& run, int a);  // "prices rise %p from 2026 to 2040"

// The Roth account's cells of year a (contributions, conversion, balance)
// and the after-tax net worth of year a at `rate`; year 1's balance.
void TraceRoth(const RunFactors& run, const ForecastTable& table, int a);
void TraceFirstYearRoth(const RunFactors& run, const ForecastTable& table);
void TraceAfterTaxNetWorth(const RunFactors& run, const ForecastTable& table, int a, long double rate);
// "drawn to bring taxable income to the top of the 22 % bracket, $383,350, from
// $62,169 without it (...)": the filling's words for year a's table.
std::string FillWords(const RunFactors& run, const ForecastTable& table);

// Coverage of year j's cash need and the debts of year a.
void TraceCashNeed(const RunFactors& run, const ForecastTable& table, int j);
void TraceFirstYearDebt(const RunFactors& run, const ForecastTable& table);
// After year a's step, before which the student loans stood at year a - 1's nodes.
void TraceOtherDebt(const RunFactors& run, const ForecastTable& table, int a);

struct IncomeTaxSteps;
struct LawYearTaxSteps;
void TraceIncomeTaxes(const RunFactors& run, const ForecastTable& table, int a, const IncomeTaxSteps& steps);
void TraceLawIncomeTaxes(const RunFactors& run, const ForecastTable& table, int a, const LawYearTaxSteps& steps);
void TraceExpenses(const RunFactors& run, const ForecastTable& table, int a);
void TraceFirstYearExpenses(const RunFactors& run, const ForecastTable& table);
