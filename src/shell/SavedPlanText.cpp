#include "shell/SavedPlanText.h"

#include "model/PlanFile.h"

void SavedPlanText::Remember(const PlanRecord& plan) { text_ = PlanFileText(plan); }

bool SavedPlanText::Differs(const PlanRecord& plan) const { return !text_ || *text_ != PlanFileText(plan); }
