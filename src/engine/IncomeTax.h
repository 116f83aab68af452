#pragma once

#include <cstdint>

#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"
#include "engine/TaxFactors.h"
#include "model/PlanRecord.h"

// Income taxes and FICA of a forecast year after the first, under the run's
// tax rules: the law (engine/LawYearTax.h), or the first design's curve below,
// a power curve fitted in 2005 dollars and scaled by inflation since then.
// State and city taxes keep today's ratio to the federal tax under both.

// Year a's IncomeTaxes (a >= 2): FICA on salaries plus the estimated federal,
// state and city income tax of the filing status. Under the law it also
// carries the year's capital loss on to the next in the table's work values.
std::int64_t ComputeIncomeTaxes(const RunFactors& run, ForecastTable& table, int a);

// One taxed person's figures of a year (for a joint return, person 1's entry
// holds the couple's income, benefit and federal figures).
struct TaxedPerson {
  std::int64_t salary = 0;
  std::int64_t socialSecurityTax = 0;
  std::int64_t medicareTax = 0;
  std::int64_t otherIncome = 0;  // gross income for taxes less the benefit
  std::int64_t benefit = 0;      // the benefit the taxable part is taken of
  std::int64_t taxable = 0;      // other income plus the taxable part of the benefit
  long double deduction = 0.0L;
  long double exemption = 0.0L;
  long double curveIncome = 0.0L;  // taxable less deduction and exemption, at least 0
  long double federal = 0.0L;
};

// Every figure ComputeIncomeTaxes reaches its total through, for explanations.
struct IncomeTaxSteps {
  int filing = 0;  // FilingStatus as stored
  long double taxIndex = 1.0L;
  long double itemized = 0.0L;
  TaxedPerson persons[2];
  int federalReturns = 1;  // 2 when each person is taxed as a single person
  std::int64_t total = 0;
};
IncomeTaxSteps IncomeTaxStepsOf(const RunFactors& run, const ForecastTable& table, int a);

// The curve's rate on the year's next dollar of taxable income with the state
// and city taxes, averaged over the federal returns.
long double CurveMarginalRate(const RunFactors& run, const IncomeTaxSteps& steps);

// A person's income for tax purposes in year a: salary, pension, benefit, half
// of the investment return and half of last year's distributions.
std::int64_t GrossIncome1(const RunFactors& run, const ForecastTable& table, int a);
std::int64_t GrossIncome2(const RunFactors& run, const ForecastTable& table, int a);

// Taxable part of a Social Security benefit given the other income and the
// tax index t.
std::int64_t TaxableSocialSecurity(const PlanRecord& plan, std::int64_t income, long double t, std::int64_t benefit);

// Federal tax on taxable income w (>= 0) at tax index t, at most 35 percent of w.
long double FederalTaxCurve(long double w, long double t, bool joint);
// The tax given t raised to the curve's exponent less one.
long double FederalTaxOnCurve(long double w, long double divisor, bool joint);

// Social Security tax on a salary: 6.2 percent up to the wage base indexed to
// CurrentYear (`index` is that year's tax index); Medicare tax: 1.45 percent
// without limit.
std::int64_t SocialSecurityTax(const PlanRecord& plan, std::int64_t salary);
std::int64_t SocialSecurityTaxAt(long double index, std::int64_t salary);
std::int64_t MedicareTax(std::int64_t salary);
