#pragma once

#include <string>

#include "odds/OddsResult.h"

// A simulation's result as CSV, for spreadsheets: the same text wherever it
// is written (simulate --format csv, the odds page's Copy and Save as CSV).

// Year, Age1, then the net worth percentiles in today's dollars and in each
// year's own: "Year,Age1,CurrentP10,...,InflatedP90".
std::string OddsBandsCsv(const OddsResult& result);

// The summary figures and the trials at each shortfall level:
// "Figure,Trials,Percent", a share of the trials per row; the median first
// year of new debt (empty when no trial took new debt) in the Trials column's place.
std::string OddsFiguresCsv(const OddsResult& result);
