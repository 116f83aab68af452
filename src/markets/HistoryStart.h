#pragma once

#include <string>
#include <vector>

#include "engine/RatePath.h"
#include "markets/MarketYearRates.h"
#include "model/PlanRecord.h"

// A plan run on the rates of history from one start year on: the forecast's
// first year takes the start year's row, the next year the row after, and
// years past the data's end continue from its first year, as the historical
// model's trials do.
struct HistoryStart {
  RatePath rates;
  // The first calendar year of the forecast that takes the data's first
  // year again; 0 when the forecast ends within the data.
  int wrapYear = 0;
};

// The share of stocks in both accounts when a history start names none.
inline constexpr long double kHistoryStockShare = 60.0L;

// `rows` years of rates from the history's row `firstIndex` on, starting over
// at the first row past the last: one replay of the history.
std::vector<YearRates> ReplayedYears(const MarketHistory& history, const MarketMix& mix, int firstIndex, int rows);

// Why `startYear` cannot start the plan on this history, or empty.
std::string HistoryStartProblem(const MarketHistory& history, int startYear);

// `startYear` must have passed HistoryStartProblem.
HistoryStart HistoryStartRates(const PlanRecord& plan, const MarketHistory& history, int startYear);
