#include "solve/StrategyTable.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "engine/DollarViews.h"
#include "odds/OddsRunner.h"
#include "solve/Solver.h"

namespace {

constexpr std::array<std::pair<StrategyMeasure, const char*>, 4> kMeasureKeys = {{
    {StrategyMeasure::AfterTaxNetWorth, "after-tax-net-worth"},
    {StrategyMeasure::LifetimeTaxes, "lifetime-taxes"},
    {StrategyMeasure::Spending, "spending"},
    {StrategyMeasure::Odds, "odds"},
}};

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(); }

// The measure's figure, larger is better; empty when the row has none.
std::optional<long double> Score(const StrategyRow& row, StrategyMeasure measure) {
  switch (measure) {
    case StrategyMeasure::AfterTaxNetWorth:
      return static_cast<long double>(row.afterTaxNetWorth);
    case StrategyMeasure::LifetimeTaxes:
      return -static_cast<long double>(row.lifetimeTaxes);
    case StrategyMeasure::Spending:
      if (row.spending) return static_cast<long double>(*row.spending);
      return std::nullopt;
    case StrategyMeasure::Odds:
      if (row.savingsLastedPercent) return static_cast<long double>(*row.savingsLastedPercent);
      return std::nullopt;
  }
  return std::nullopt;
}

// Runs rows[i] for every i on `threads` threads; each row is computed alone,
// so the figures are those of one thread. Progress goes out on this thread.
void RunRows(const PlanRecord& plan, const StrategyRequest& request, const StrategyControl& control,
             std::vector<StrategyRow>& rows, std::atomic<std::int64_t>& forecasts) {
  const int total = static_cast<int>(rows.size());
  // With odds the trials of each row use the threads.
  const int workers = request.odds ? 1 : std::clamp(request.threads, 1, std::max(total, 1));
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  const auto work = [&](bool reports) {
    for (int i = next++; i < total && !Cancelled(control.cancel); i = next++) {
      std::int64_t count = 0;
      StrategyRow& row = rows[static_cast<std::size_t>(i)];
      const bool planOwn = row.planOwn;
      row = StrategyRowOf(plan, row.strategy, request, control.cancel, count);
      row.planOwn = planOwn;
      forecasts += count;
      ++done;
      if (reports && control.progress) control.progress(done.load(), total);
    }
  };
  std::vector<std::jthread> helpers;
  for (int w = 1; w < workers; ++w) helpers.emplace_back(work, false);
  work(true);
  helpers.clear();
  if (control.progress && !Cancelled(control.cancel)) control.progress(total, total);
}

}  // namespace

const char* StrategyMeasureKey(StrategyMeasure measure) {
  for (const auto& [value, key] : kMeasureKeys) {
    if (value == measure) return key;
  }
  return "";
}

std::optional<StrategyMeasure> ParseStrategyMeasure(std::string_view key) {
  for (const auto& [value, name] : kMeasureKeys) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::string StrategyRequestProblem(const StrategyRequest& request) {
  if (request.measure == StrategyMeasure::Odds && !request.odds) return "the odds measure needs trials";
  return {};
}

std::int64_t FinalAfterTaxNetWorth(const ForecastTable& today, int rows) {
  return rows > 0 ? today.Year(rows).AfterTaxNetWorth : 0;
}

StrategyRow StrategyRowOf(const PlanRecord& plan, const Strategy& strategy, const StrategyRequest& request,
                          const std::atomic<bool>* cancel, std::int64_t& forecasts) {
  StrategyRow row;
  row.strategy = strategy;
  PlanRecord chosen = plan;
  ApplyStrategy(strategy, chosen);
  const int rows = RowCount(chosen);
  const Forecast forecast = RunForecast(chosen, PlanRatePath(chosen, request.rules));
  ++forecasts;
  ForecastTable today = forecast.table;
  ToCurrentDollars(forecast.inflation, rows, today);
  row.lifetimeTaxes = SumOverYears(today, rows, &YearRecord::IncomeTaxes);
  row.afterTaxNetWorth = FinalAfterTaxNetWorth(today, rows);
  const TargetCheck borrowing = CheckTarget(Target{}, chosen, forecast);
  row.firstBorrowYear = borrowing.holds ? 0 : borrowing.year;
  if (request.spending || request.measure == StrategyMeasure::Spending) {
    SolveRequest solve(SpendingLever(), Target{});
    solve.rules = request.rules;
    SolveControl control;
    control.cancel = cancel;
    // A plan with no spending to scale has no answer to show.
    if (SolveRequestProblem(chosen, solve).empty()) {
      const SolveResult result = Solve(chosen, solve, control);
      forecasts += result.forecasts;
      if (result.status == SolveStatus::Solved || result.status == SolveStatus::AlwaysMet) {
        row.spending = result.answer.value;
      }
    }
  }
  if (request.odds && !Cancelled(cancel)) {
    OddsRunControl run;
    run.threads = request.threads;
    run.cancel = cancel;
    run.rules = request.rules;
    if (const std::optional<OddsResult> odds = RunOdds(chosen, *request.odds, run)) {
      forecasts += odds->trials;
      row.savingsLastedPercent = odds->SavingsLastedShare();
    }
  }
  return row;
}

bool RanksBefore(const StrategyRow& a, const StrategyRow& b, StrategyMeasure measure) {
  const std::optional<long double> first = Score(a, measure);
  const std::optional<long double> second = Score(b, measure);
  if (first.has_value() != second.has_value()) return first.has_value();
  if (first && *first != *second) return *first > *second;
  return a.planOwn && !b.planOwn;
}

StrategyTableResult RunStrategyTable(const PlanRecord& plan, const StrategyRequest& request,
                                     const StrategyControl& control) {
  const auto start = std::chrono::steady_clock::now();
  const Strategy own = StrategyOf(plan);
  std::vector<StrategyRow> rows;
  bool ownFound = false;
  for (const Strategy& strategy : StrategySet(plan)) {
    StrategyRow row;
    row.strategy = strategy;
    row.planOwn = !ownFound && SameChoices(strategy, own);
    if (row.planOwn) row.strategy = own;
    ownFound = ownFound || row.planOwn;
    rows.push_back(row);
  }
  if (!ownFound) {
    StrategyRow row;
    row.strategy = own;
    row.planOwn = true;
    rows.push_back(row);
  }
  std::atomic<std::int64_t> forecasts{0};
  RunRows(plan, request, control, rows, forecasts);
  StrategyTableResult result;
  result.forecasts = forecasts.load();
  result.cancelled = Cancelled(control.cancel);
  if (result.cancelled) return result;
  std::stable_sort(rows.begin(), rows.end(),
                   [&](const StrategyRow& a, const StrategyRow& b) { return RanksBefore(a, b, request.measure); });
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].rank = static_cast<int>(i) + 1;
  result.rows = std::move(rows);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}
