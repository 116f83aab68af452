#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/TaxLaw2026.h"

// The law's rate schedules: ordinary income by brackets, and long-term gains
// stacked on top of it. Thresholds are the 2026 figures indexed by `index`
// (the price level of the tax year over 2026's).

// A 2026 figure in a year whose price level is `index` times 2026's: its
// growth rounded down to `step`, as the law rounds its adjustments.
std::int64_t IndexedFigure(std::int64_t figure2026, long double index, std::int64_t step);

// Income taxed at one rate.
struct TaxSlice {
  std::int64_t amount = 0;
  long double rate = 0.0L;
};

// The slices an amount falls into, lowest rate first, and their tax (rounded once).
struct BracketWalk {
  std::array<TaxSlice, taxlaw::kBrackets> slices{};
  int count = 0;
  long double exact = 0.0L;  // the sum of the slices' taxes before rounding
  std::int64_t tax = 0;
};

// Ordinary income tax on taxable income `ordinary` (>= 0).
BracketWalk OrdinaryTaxWalk(taxlaw::TaxReturn kind, std::int64_t ordinary, long double index);

// Tax on `gains` (>= 0) of long-term gains sitting on top of `ordinary` taxable income.
BracketWalk GainsTaxWalk(taxlaw::TaxReturn kind, std::int64_t ordinary, std::int64_t gains, long double index);

// The top of the ordinary bracket taxed at `percent` (10, 12, 22, 24, 32, 35)
// as taxable income; 0 for a rate the schedule does not have.
std::int64_t OrdinaryBracketTop(taxlaw::TaxReturn kind, std::int32_t percent, long double index);

// The rate the next dollar of ordinary income pays on top of `ordinary`
// taxable income; 0 while taxable income is none (the deduction takes it).
long double NextDollarRate(taxlaw::TaxReturn kind, std::int64_t taxable, std::int64_t ordinary, long double index);

// "$24,800 at 10 % + $76,000 at 12 % + $17,000 at 22 % = $15,340"; "$0" for no income.
std::string BracketWalkText(const BracketWalk& walk);
