#pragma once

#include <vector>

#include "compare/YearComparison.h"

class YearGrid;
struct PlanRecord;

// The comparison's year table: the plan page's default columns (same look
// and Copy commands) holding other - base for every calendar year either plan
// covers, with the base plan's ages in that year. A year only one plan covers
// says so in its net worth cell and leaves the other cells empty.
void FillDifferenceGrid(YearGrid& grid, const PlanRecord& base, const std::vector<YearComparison>& years);
