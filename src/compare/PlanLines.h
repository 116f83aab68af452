#pragma once

#include <string>

#include "model/PlanFieldLabels.h"
#include "model/PlanRecord.h"

// Plan fields addressed by their index into PlanFieldLabels(): the plan file
// line less one, then the tagged block's inputs from 166 on. The comparison's
// way of matching two plans field by field.

// The line holding `field`. Every record field has one; a table naming a
// field without one is a programming error (std::logic_error).
int LineOf(PlanLineField field);

// Equal values; two NaN rates count as equal, so a plan equals itself.
bool SameValue(const PlanRecord& a, const PlanRecord& b, int line);

// Copies one field from `from` into `to`.
void CopyValue(const PlanRecord& from, PlanRecord& to, int line);

// The value as a reader sees it: integers in decimal, rates as the shortest
// text that reads back exactly, texts as they are, the flag as "yes" or "no".
std::string ValueText(const PlanRecord& plan, int line);
