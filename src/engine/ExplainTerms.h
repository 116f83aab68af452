#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ExplainTrace.h"

// A factor or rate as labels show it: 7 significant digits.
std::string FactorText(long double value);
// A factor as the product line base x factor = amount shows it: a share or
// rate below 1 in percent ("8.305 %"), a multiplier as it is ("1.412974"),
// with 4 and 7 significant digits or as many more as a calculator needs to
// get the amount from the base.
std::string FactorShown(long double value, std::int64_t base, std::int64_t amount);
// `words` with its placeholders filled from `value`: %p the change it makes
// ("41.3 %" for 1.413), %r its size in percent ("6.2 %" for 0.062), %d the
// dollars it stands for. Signs are left to the words ("..., subtracted").
std::string FactorWords(const std::string& words, long double value);
// A rate inside words: "6.5" (up to 7 significant digits, no trailing zeros).
std::string RateText(long double value);
// Dollars with a leading sign and no brackets: "-$1,234", "$1,234".
std::string DollarsText(std::int64_t amount);
// The same with "+" before an amount that is not negative.
std::string SignedDollarsText(std::int64_t amount);

// Builds the terms of one node of the trace. Each scaled term is rounded to
// whole dollars once, as the engine does; Close adds what the roundings left.
class ExplainTerms {
 public:
  ExplainTerms& Input(const char* name, std::int64_t amount);
  ExplainTerms& ScaledInput(const char* name, std::int64_t base, long double factor, std::string factorLabel);
  // `row` is a year index; `negative` subtracts the cell.
  ExplainTerms& Cell(int row, int slot, std::int64_t value, bool negative = false);
  ExplainTerms& ScaledCell(int row, int slot, std::int64_t base, long double factor, std::string factorLabel);
  // A balance the run carries (slot from kStudentLoanSlot on).
  ExplainTerms& Carried(std::string label, int row, int slot, std::int64_t value);
  // An amount with no terms of its own: a constant, or a value carried without an entry.
  ExplainTerms& Amount(std::string label, std::int64_t amount);
  // An intermediate amount the engine computed, explained by `parts`.
  ExplainTerms& Step(std::string label, ExplainTerms parts, std::int64_t amount, int engineRoundings = 0);
  // base x factor rounded once, the base explained by `parts`.
  ExplainTerms& ScaledStep(std::string label, ExplainTerms parts, long double factor, std::string factorLabel);
  // A scaled term whose amount the engine computed another way (rate shown rounded).
  ExplainTerms& Rated(std::string label, ExplainTerms parts, long double rate, std::string rateLabel,
                      std::int64_t amount);
  ExplainTerms& ScaledAmount(std::string label, std::int64_t base, long double factor, std::string factorLabel);
  ExplainTerms& Factor(std::string label, long double value);

  // The sum of the money terms (saturating, as the engine's sums).
  std::int64_t Sum() const;
  // Appends a rounding term for whatever the terms leave of `amount`.
  std::vector<ExplainTerm> Close(std::int64_t amount);
  int Roundings() const { return roundings_; }

 private:
  ExplainTerms& Scaled(ExplainTerm term, std::int64_t base, long double factor, std::string factorLabel);
  std::vector<ExplainTerm> terms_;
  int roundings_ = 0;
};

// Records the node of cell (or carried balance) `slot` of year a. `engineRoundings`
// counts the roundings of the engine's step that the terms do not repeat.
void RecordNode(ExplainTrace& trace, int a, int slot, std::int64_t amount, ExplainTerms terms, int engineRoundings = 0);
// A node whose amount has no terms: `note` says why.
void RecordNote(ExplainTrace& trace, int a, int slot, std::int64_t amount, std::string note);
