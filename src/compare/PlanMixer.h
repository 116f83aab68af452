#pragma once

#include <cstdint>
#include <vector>

#include "compare/PlanDiff.h"
#include "model/PlanRecord.h"

// Plans between two plans: the base with some of the changed inputs taken
// from the other plan. Grouped fields move together, stored totals follow
// their entries (StoredTotalShift.h), and fields that are not inputs stay as
// in the base. Taking no input gives the base, taking all gives a plan whose
// forecast is the other plan's.
class PlanMixer {
 public:
  PlanMixer(const PlanRecord& base, const PlanRecord& other, const std::vector<ChangedInput>& inputs);

  // `taken[i]` says whether changed input i comes from the other plan.
  PlanRecord Mix(const std::vector<bool>& taken) const;

 private:
  const PlanRecord& base_;
  const PlanRecord& other_;
  const std::vector<ChangedInput>& inputs_;
  // Per stored total: the base's entry sum, its own shift and the input that
  // carries it (-1: none).
  std::vector<std::uint64_t> baseSums_;
  std::vector<std::uint64_t> ownShifts_;
  std::vector<int> shiftInputs_;
};
