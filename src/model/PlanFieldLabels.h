#pragma once

#include <array>

#include "model/PlanFile.h"
#include "model/PlanFileLayout.h"

// Where a plan field is entered or shown: its record name, the page, the
// heading it sits under on that page (empty when none) and the words beside
// its box. Comparisons and exports name fields with it; the words are the
// page's own, so a reader finds the box.
struct PlanFieldLabel {
  PlanLineField field;
  const char* name;
  const char* page;
  const char* section;
  const char* words;
};

// The inputs of the plan file's tagged block (model/PlanInputBlock.h).
inline constexpr int kPlanBlockInputCount = 12;
// Every plan field: the first layout's lines, then the block's inputs.
inline constexpr int kPlanFieldCount = kPlanFileLines + kPlanBlockInputCount;

// Index 0 is line 1, in the order of PlanFileLayout(); index 166 on are the
// block's inputs in the order they are written.
const std::array<PlanFieldLabel, kPlanFieldCount>& PlanFieldLabels();
