#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

// The headline figures of two forecasts, all in today's dollars.
struct SummaryLine {
  const char* key;                   // for JSON and CSV
  const char* title;                 // for text
  bool isYear;                       // a calendar year (the difference is in years) rather than dollars
  std::optional<std::int64_t> base;  // empty: no such year in the forecast
  std::optional<std::int64_t> other;
  std::optional<std::int64_t> difference;  // other - base, when both exist
};

// Net worth in each plan's last year, the first year of home-equity borrowing,
// the first year whose shortfall is left unfunded (it becomes new debt), and
// the income taxes and the expenses summed over all years. The tables are in
// today's dollars.
// `accounts`: either plan holds a Roth account or a withdrawal strategy, which
// adds the after-tax net worth.
std::vector<SummaryLine> SummarizeComparison(const PlanRecord& base, const ForecastTable& baseToday,
                                             const PlanRecord& other, const ForecastTable& otherToday, bool accounts);
