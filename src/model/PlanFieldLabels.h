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

// Index 0 is line 1, in the order of PlanFileLayout().
const std::array<PlanFieldLabel, kPlanFileLines>& PlanFieldLabels();
