#pragma once

#include <cstdint>

#include "engine/FederalBrackets.h"
#include "engine/TaxLaw2026.h"

// One federal income tax return under the law: income, the taxable part of
// the benefits, the deduction chosen, the ordinary brackets, the gains stacked
// on them and the net investment income tax. docs/taxes.md walks through it.

struct LawReturnInput {
  taxlaw::TaxReturn kind = taxlaw::TaxReturn::Single;
  std::int32_t year = taxlaw::kBaseYear;  // the tax year
  long double index = 1.0L;               // its price level over 2026's
  int aged = 0;                           // filers aged 65 or more
  std::int64_t wages = 0;                 // less the own pre-tax deferrals
  std::int64_t pensions = 0;
  std::int64_t distributions = 0;  // tax-deferred money leaving the account
  std::int64_t benefits = 0;       // Social Security
  std::int64_t investReturn = 0;   // the taxable account's return, counted as long-term gains
  std::int64_t lossCarried = 0;    // capital loss carried in from earlier years
  std::int64_t mortgageInterest = 0;
  std::int64_t propertyTax = 0;
  long double stateRatio = 0.0L;  // state and city income tax per dollar of federal
};

struct LawReturn {
  std::int64_t gains = 0;         // net gain after the loss carried in
  std::int64_t lossDeducted = 0;  // from ordinary income, at most the year's limit
  std::int64_t lossCarried = 0;   // carried out to next year
  std::int64_t otherIncome = 0;   // income before the benefits
  std::int64_t taxableBenefits = 0;
  std::int64_t agi = 0;
  std::int64_t standard = 0;  // with the 65+ additions
  std::int64_t salt = 0;      // state and local taxes within the cap
  std::int64_t itemized = 0;  // mortgage interest and salt
  bool itemizes = false;
  std::int64_t senior = 0;  // the 2025-2028 senior deduction after its phase-out
  std::int64_t taxable = 0;
  std::int64_t ordinaryTaxable = 0;
  BracketWalk ordinary;
  BracketWalk gainsWalk;
  std::int64_t investmentIncomeTax = 0;
  std::int64_t federal = 0;  // brackets, gains and investment income tax
};

LawReturn LawFederalReturn(const LawReturnInput& input);

// The standard deduction with the 65+ additions, the senior deduction of a
// return with `agi`, and the state and local cap of the year.
std::int64_t StandardDeduction(taxlaw::TaxReturn kind, int aged, long double index);
std::int64_t SeniorDeduction(taxlaw::TaxReturn kind, std::int32_t year, int aged, std::int64_t agi);
std::int64_t SaltCap(taxlaw::TaxReturn kind, std::int32_t year, std::int64_t agi);

// A person's elective deferral limit at `age` in a year at price level `index`.
std::int64_t ElectiveDeferralLimit(std::int32_t age, long double index);

// Employee payroll taxes on wages: Social Security up to the wage base,
// Medicare on all, and the additional Medicare tax of the return above its threshold.
std::int64_t SocialSecurityTaxUnder(std::int64_t wageBase, std::int64_t wages);
std::int64_t AdditionalMedicareTax(taxlaw::TaxReturn kind, std::int64_t returnWages);
// The 2026 wage base grown by `index`, to the nearest 300.
std::int64_t WageBaseAt(long double index);
