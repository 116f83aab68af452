#include "compare/PlanMixer.h"

#include "compare/PlanLines.h"
#include "compare/StoredTotalShift.h"

PlanMixer::PlanMixer(const PlanRecord& base, const PlanRecord& other, const std::vector<ChangedInput>& inputs)
    : base_(base), other_(other), inputs_(inputs) {
  PlanRecord scratch = base;
  for (const StoredTotal& total : StoredTotals()) {
    baseSums_.push_back(EntrySum(scratch, total));
    ownShifts_.push_back(OwnShift(base, other, total));
    int carrier = -1;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      for (int line : inputs[i].lines) {
        if (line == total.line) carrier = static_cast<int>(i);
      }
    }
    shiftInputs_.push_back(carrier);
  }
}

PlanRecord PlanMixer::Mix(const std::vector<bool>& taken) const {
  PlanRecord mixed = base_;
  for (std::size_t i = 0; i < inputs_.size(); ++i) {
    if (!taken[i]) continue;
    for (int line : inputs_[i].lines) {
      if (RoleOf(line) == FieldRole::Input) CopyValue(other_, mixed, line);
    }
  }
  // The sums only write totals, which no sum reads before recomputing them.
  PlanRecord scratch = mixed;
  const std::vector<StoredTotal>& totals = StoredTotals();
  for (std::size_t t = 0; t < totals.size(); ++t) {
    const int carrier = shiftInputs_[t];
    const bool shiftTaken = carrier >= 0 && taken[static_cast<std::size_t>(carrier)];
    const auto member = TotalMember(totals[t]);
    mixed.*member =
        MovedTotal(base_.*member, baseSums_[t], EntrySum(scratch, totals[t]), shiftTaken ? ownShifts_[t] : 0);
  }
  return mixed;
}
