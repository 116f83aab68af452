#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ForecastColumns.h"

// The explanation of a forecast, recorded by the engine while it computes:
// for every cell a node whose terms add up to the cell. A run records only
// when it is given a trace, so a run without one pays one branch per step.

enum class ExplainKind : std::uint8_t {
  Input,     // a plan field
  Factor,    // a rate or index used by the step, shown but not summed
  Cell,      // another cell of the year table
  Step,      // an intermediate amount of the step, or a balance the run carries
  Rounding,  // what rounding to whole dollars left over
};

// Nodes beyond the year table's fields: balances the run carries from year to year.
inline constexpr int kStudentLoanSlot = kYearFieldCount;  // three: one per student
inline constexpr int kExplainSlots = kYearFieldCount + 3;

// The slot of a year-table field.
constexpr int SlotOf(std::int64_t YearRecord::*field) {
  for (int i = 0; i < kYearFieldCount; ++i) {
    if (kForecastColumns[static_cast<std::size_t>(i)].field == field) return i;
  }
  return 0;
}

// One signed term. A scaled term is base x factor rounded once; its own terms
// then add up to the base, otherwise to the amount.
struct ExplainTerm {
  ExplainKind kind = ExplainKind::Step;
  std::string label;            // words; an input's come from the plan's field labels
  std::int64_t amount = 0;      // signed dollars added to the parent (not for factors)
  const char* input = nullptr;  // Input: the plan field's name
  int row = 0;                  // Cell and carried balances: the year index of the node
  int slot = -1;                // the node this term stands for, or -1
  bool scaled = false;
  bool subtracted = false;  // a cell taken away: amount is minus the cell's value
  std::int64_t base = 0;
  long double factor = 0.0L;  // Factor and scaled terms
  std::string factorLabel;
  int roundings = 0;  // of a step: roundings to whole dollars inside it
  std::vector<ExplainTerm> terms;
};

struct ExplainNode {
  bool recorded = false;
  std::int64_t amount = 0;
  int roundings = 0;  // roundings to whole dollars in the step (bounds the rounding term)
  std::string note;   // why the amount is what it is when no term says it
  std::vector<ExplainTerm> terms;
};

class ExplainTrace {
 public:
  ExplainTrace() : nodes_(static_cast<std::size_t>(kForecastRows) * kExplainSlots) {}

  // Year index a from 1; a later record of the same node replaces the earlier.
  const ExplainNode& Node(int a, int slot) const { return nodes_[Index(a, slot)]; }
  void Record(int a, int slot, ExplainNode node) { nodes_[Index(a, slot)] = std::move(node); }

 private:
  static std::size_t Index(int a, int slot) {
    return static_cast<std::size_t>(a - 1) * kExplainSlots + static_cast<std::size_t>(slot);
  }
  std::vector<ExplainNode> nodes_;
};
