#pragma once

#include <vector>

#include "compare/YearComparison.h"

class QTableWidget;
struct PlanRecord;

// The comparison's year table: the plan page's grid (same columns, look and
// Copy commands) holding other - base for every year, labelled with the
// base plan's first-person age in that calendar year. A year only one plan
// covers says so in its net worth cell and leaves the other cells empty.
void FillDifferenceGrid(QTableWidget& grid, const PlanRecord& base, const std::vector<YearComparison>& years);
