#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/LawIncomeTax.h"
#include "engine/RunFactors.h"

// A forecast year's income taxes under the law: the household's federal
// returns (one joint or single return, or two for two single persons and
// married filing separately), each person's payroll taxes, and the state and
// city taxes at the typed ratio to the federal tax.

struct LawPayroll {
  std::int64_t wages = 0;  // FICA wages: the whole salary
  std::int64_t deferral = 0;  // own pre-tax deferral, out of income-tax wages
  std::int64_t socialSecurityTax = 0;
  std::int64_t medicareTax = 0;
};

struct LawYearTaxSteps {
  LawPayroll persons[2];
  std::int64_t wageBase = 0;
  std::int64_t additionalMedicareTax = 0;
  // The additional tax on the year's tax-deferred money and Roth earnings
  // drawn before 59 1/2.
  std::int64_t earlyDrawTax = 0;
  // Taxed with the distributions: the year's conversion to the Roth and the
  // earnings of last year's Roth draw made before 59 1/2.
  std::int64_t conversion = 0;
  std::int64_t rothEarnings = 0;
  LawReturnInput inputs[2];
  LawReturn returns[2];
  std::int64_t withState[2] = {0, 0};  // federal tax with the state and city taxes
  int returnCount = 1;
  bool secondPayroll = false;  // person 2's wages are taxed
  std::int64_t total = 0;
};

LawYearTaxSteps LawYearTaxStepsOf(const RunFactors& run, const ForecastTable& table, int a);

// The rate the year's next dollar of tax-deferred money pays: each return's
// next-dollar bracket rate with its state and city taxes, averaged over the
// returns (each takes half of a distribution), and the additional tax before
// 59 1/2.
long double LawMarginalRate(const RunFactors& run, const LawYearTaxSteps& steps, int a);

// The state and city taxes ride on the law's federal tax as typed: without a
// typed federal tax the ratio is unknown and taken as 0.
bool StateRatioUnknown(const PlanRecord& plan);
inline constexpr const char* kStateRatioUnknownNote =
    "no federal income tax is typed on the Taxes page, so the state and city taxes' ratio to it is unknown and "
    "taken as 0 (a state without income tax is typed as the federal tax with state 0)";

// The law's federal income tax of the plan's first year, from today's figures
// (the Taxes page offers it beside the typed boxes) on the rates and past of
// `path`: one figure per person for two returns, the household's in the first
// for one.
struct FirstYearFederalEstimate {
  std::int64_t federal[2] = {0, 0};
};
FirstYearFederalEstimate LawFirstYearFederal(const PlanRecord& plan, RatePath path);
