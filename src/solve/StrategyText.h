#pragma once

#include <string>

#include "solve/StrategyTable.h"

// The strategy table as the command line and the Strategies page give it:
// the same figures wherever they are written. Rank 1 is the best.

// "final after-tax net worth (today's dollars), higher is better".
std::string StrategyMeasureWords(StrategyMeasure measure);

// The row's cells as the table shows them: "$1,234,567", "never", "2031", "91.20 %", "-".
std::string BorrowYearText(const StrategyRow& row);
std::string SpendingText(const StrategyRow& row);
std::string SavingsLastedText(const StrategyRow& row);

// A header and a row per strategy, best first: rank, the plan's own mark, the
// words, the inputs it sets and its figures (empty cells for figures not run).
std::string StrategyTableCsv(const PlanRecord& plan, const StrategyTableResult& result);

// The same as one JSON object with the measure and the count of forecasts.
std::string StrategyTableJson(const PlanRecord& plan, const StrategyRequest& request,
                              const StrategyTableResult& result);
