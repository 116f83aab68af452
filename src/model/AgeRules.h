#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PlanRecord.h"

// The rules the personal data page applies to the ages it reads, kept apart
// from the page so the page can show every change before making it.

// One age a rule moves.
struct AgeChange {
  int person = 1;  // 1 or 2
  std::int32_t PlanRecord::*field = nullptr;
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::string why;  // "because ..."
};

// The changes the rules make to `plan`, in the order the page reads the boxes:
// current ages held to 15 (and the first person's to 90, where the forecast
// ends), then retirement, pension and Social Security ages before the current
// age moved to 65 and an employment start before it moved to the current age.
// Person 2's rules run even for a one-person plan.
std::vector<AgeChange> AgeAdjustments(const PlanRecord& plan);
void ApplyAgeChanges(PlanRecord& plan, const std::vector<AgeChange>& changes);

// Ages that are allowed but almost surely mistyped, each as a sentence:
// employment starting after retirement, a pension or Social Security starting
// before the current age, Social Security starting outside 62 to 70. Person 2
// is checked only in a two-person plan.
std::vector<std::string> AgeWarnings(const PlanRecord& plan);

// "First person: employment start age 25 → 90, because ..."
std::string DescribeAgeChange(const AgeChange& change);

// The notice shown before the page is left: the changes, the warnings and the
// choice between accepting (Yes) and staying to correct them (No).
std::string AgeNoticeText(const std::vector<AgeChange>& changes, const std::vector<std::string>& warnings);
