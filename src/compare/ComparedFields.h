#pragma once

#include <cstdint>
#include <vector>

#include "model/PlanRecord.h"

// How a comparison treats each plan field (fields by plan file line, see
// PlanLines.h).
enum class FieldRole {
  Identity,     // the plan's file name: never a difference
  Text,         // names and titles: shown, but no forecast reads them
  Input,        // an entry the forecast reads as it is
  Derived,      // a total the forecast recomputes or does not read
  StoredTotal,  // a page total the forecast reads as stored: it follows its entries
};

FieldRole RoleOf(int line);

// A page total the forecast reads as its page last stored it, with the
// entries it is summed from and the page's own way of summing them.
struct StoredTotal {
  int line;
  std::vector<int> entryLines;
  // Recomputes the total in `scratch` from its entries and returns it.
  std::int64_t (*recompute)(PlanRecord& scratch);
};

const std::vector<StoredTotal>& StoredTotals();

// Fields that only make sense together. When the anchor differs between two
// plans, every differing member moves with it as one change; otherwise each
// member is a change of its own.
struct FieldGroup {
  int anchorLine;
  std::vector<int> memberLines;
};

const std::vector<FieldGroup>& FieldGroups();
