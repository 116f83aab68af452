#pragma once

#include <string>
#include <vector>

#include "engine/RatePath.h"
#include "markets/MarketYearRates.h"
#include "model/PlanRecord.h"

// Where the history's sequence begins in the forecast: in its first year, or
// in the first year someone retires (the plan's own rates before), which asks
// what a bad sequence does to the savings just as they start to be spent.
enum class SequenceStart { FirstYear, Retirement };

// The forecast row (1 = the current year) of the first year in which someone
// has retired: 1 when someone is retired already, the last row at the latest.
int FirstRetirementRow(const PlanRecord& plan);

// One stretch of the history's calendar years, first to last.
struct HistorySpan {
  int first = 0;
  int last = 0;
};

// A plan run on the rates of history from one start year on: the sequence's
// first forecast year takes the start year's row, the next year the row
// after, and years past the data's end continue from its first year, as the
// historical model's trials do.
struct HistoryStart {
  RatePath rates;
  // The first calendar year of the forecast that takes the data's first
  // year again; 0 when the forecast ends within the data.
  int wrapYear = 0;
  // The calendar year whose rates are the start year's; the years before take the plan's own.
  int sequenceYear = 0;
  // The history's years the forecast lives through, in order: two stretches
  // when it runs past the data's end.
  std::vector<HistorySpan> spans;
};

// "1994-2025, then 1928-1941": the history's years a start lives through.
std::string HistoryYearsText(const std::vector<HistorySpan>& spans);

// The share of stocks in both accounts when a history start names none.
inline constexpr long double kHistoryStockShare = 60.0L;

// `rows` years of rates from the history's row `firstIndex` on, starting over
// at the first row past the last: one replay of the history.
std::vector<YearRates> ReplayedYears(const MarketHistory& history, const MarketMix& mix, int firstIndex, int rows);

// Why `startYear` cannot start the plan on this history, or empty.
std::string HistoryStartProblem(const MarketHistory& history, int startYear);

// `startYear` must have passed HistoryStartProblem.
HistoryStart HistoryStartRates(const PlanRecord& plan, const MarketHistory& history, int startYear,
                               SequenceStart at = SequenceStart::FirstYear);
