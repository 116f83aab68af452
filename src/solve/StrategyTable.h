#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Forecast.h"
#include "markets/ForecastRules.h"
#include "odds/PathModel.h"
#include "solve/Strategy.h"

// What the table ranks by: the final after-tax net worth (the default), the
// lifetime income taxes (lower is better), the largest spending that never
// borrows, or the share of trials whose savings lasted.
enum class StrategyMeasure { AfterTaxNetWorth, LifetimeTaxes, Spending, Odds };

// "after-tax-net-worth", "lifetime-taxes", "spending", "odds".
const char* StrategyMeasureKey(StrategyMeasure measure);
std::optional<StrategyMeasure> ParseStrategyMeasure(std::string_view key);

struct StrategyRequest {
  StrategyMeasure measure = StrategyMeasure::AfterTaxNetWorth;
  // Also solve every row's largest spending (always with the spending measure).
  bool spending = false;
  // The trials every row runs, all on the same ones; the odds measure needs them.
  std::shared_ptr<const PathModel> odds;
  int threads = 1;
  ForecastRules rules;
};

// Why the request cannot run, or empty.
std::string StrategyRequestProblem(const StrategyRequest& request);

struct StrategyRow {
  Strategy strategy;
  int rank = 0;  // 1 for the best
  bool planOwn = false;
  std::int64_t lifetimeTaxes = 0;     // income taxes of all years, today's dollars
  std::int64_t afterTaxNetWorth = 0;  // in the last year, today's dollars
  std::int64_t firstBorrowYear = 0;   // home-equity borrowing or new debt; 0: never
  // Today's dollars a year; empty when not asked or when no spending keeps the savings.
  std::optional<std::int64_t> spending;
  std::optional<double> savingsLastedPercent;  // with odds
};

struct StrategyTableResult {
  std::vector<StrategyRow> rows;  // best first
  bool cancelled = false;
  std::int64_t forecasts = 0;
  double seconds = 0.0;
};

struct StrategyControl {
  const std::atomic<bool>* cancel = nullptr;
  // Rows done and in all; called on the thread that runs the table.
  std::function<void(int done, int total)> progress;
};

// The after-tax net worth of the last of `rows` years of a table in today's dollars.
std::int64_t FinalAfterTaxNetWorth(const ForecastTable& today, int rows);

// One strategy's figures on the plan, as the table shows them; `forecasts`
// counts the runs it took.
StrategyRow StrategyRowOf(const PlanRecord& plan, const Strategy& strategy, const StrategyRequest& request,
                          const std::atomic<bool>* cancel, std::int64_t& forecasts);

// Runs every strategy of StrategySet (and the plan's own when it is not among
// them) and ranks them by the measure, best first. Ties keep the plan's own
// row first, then the set's order. The rows do not depend on the threads.
StrategyTableResult RunStrategyTable(const PlanRecord& plan, const StrategyRequest& request,
                                     const StrategyControl& control = {});

// Whether row a ranks before row b under the measure (the plan's own first among equals).
bool RanksBefore(const StrategyRow& a, const StrategyRow& b, StrategyMeasure measure);
