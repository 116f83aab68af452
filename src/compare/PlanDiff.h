#pragma once

#include <string>
#include <vector>

#include "compare/ComparedFields.h"
#include "model/PlanRecord.h"

// One field whose value differs between two plans, or a stored total that
// kept its value while its entries changed.
struct FieldChange {
  int line;  // plan file line index, see PlanLines.h
  FieldRole role;
  std::string baseValue;
  std::string otherValue;
};

// A change the attribution applies as a whole: one differing input, or a
// group of them (see FieldGroups). A stored total among the lines stands for
// its own difference beyond that of its entries.
struct ChangedInput {
  std::vector<int> lines;  // in plan file order
};

struct PlanDiff {
  // Inputs and texts that differ, and stored totals that moved other than
  // their entries did (possibly not at all); in plan file order.
  std::vector<FieldChange> inputChanges;
  // Totals that differ only because their entries or the forecast's own
  // recomputation make them differ.
  std::vector<FieldChange> followingChanges;
  // The changes that move the forecast, in plan file order of their first line.
  std::vector<ChangedInput> changedInputs;

  bool Empty() const { return inputChanges.empty() && followingChanges.empty(); }
};

PlanDiff DiffPlans(const PlanRecord& base, const PlanRecord& other);

// "Salary1", or "PensionAge1 + Pension1" for a group.
std::string InputName(const ChangedInput& input);
