#include "solve/Target.h"

#include "engine/DollarViews.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"

namespace {

std::string Year(std::int64_t year) { return std::to_string(year); }

}  // namespace

std::string TargetKey(const Target& target) {
  switch (target.kind) {
    case TargetKind::NeverNewDebt:
      return "never-new-debt";
    case TargetKind::NeverBorrow:
      return "never-borrow";
    case TargetKind::NetWorthAt:
      break;
  }
  return "net-worth:" + std::to_string(target.age) + ":" + std::to_string(target.amount);
}

std::string TargetWords(const Target& target) {
  switch (target.kind) {
    case TargetKind::NeverNewDebt:
      return "never takes new debt";
    case TargetKind::NeverBorrow:
      return "never borrows (no home equity, no new debt)";
    case TargetKind::NetWorthAt:
      break;
  }
  return "net worth at " + std::to_string(target.age) + " at least " + FormatDollars(target.amount) +
         " in today's dollars";
}

std::string TargetProblem(const Target& target, const PlanRecord& plan) {
  if (target.kind != TargetKind::NetWorthAt) return {};
  const std::int64_t first = plan.Age1;
  const std::int64_t last = first + RowCount(plan) - 1;
  if (target.age < first || target.age > last) {
    return "the forecast runs from age " + std::to_string(first) + " to " + std::to_string(last) + ", not " +
           std::to_string(target.age);
  }
  return {};
}

bool MeetsTarget(const Target& target, const PlanRecord& plan, const Forecast& forecast) {
  const int rows = RowCount(plan);
  if (target.kind == TargetKind::NetWorthAt) {
    const std::int64_t a = target.age - plan.Age1 + 1;
    if (a < 1 || a > rows) return false;
    const std::int64_t worth = RoundMoney(forecast.table.Year(static_cast<int>(a)).NetWorth /
                                          forecast.inflation[static_cast<std::size_t>(a - 1)]);
    return worth >= target.amount;
  }
  const bool homeCounts = target.kind == TargetKind::NeverBorrow;
  for (int a = 1; a <= rows; ++a) {
    const YearRecord& year = forecast.table.Year(a);
    if (year.UnfundedShortfall > 0 || (homeCounts && year.HomeEquityBorrowing > 0)) return false;
  }
  return true;
}

TargetCheck CheckTarget(const Target& target, const PlanRecord& plan, const Forecast& forecast) {
  const int rows = RowCount(plan);
  const std::int64_t firstYear = plan.CurrentYear;
  TargetCheck check;
  if (target.kind == TargetKind::NetWorthAt) {
    const std::int64_t a = target.age - plan.Age1 + 1;
    check.year = firstYear + a - 1;
    if (a < 1 || a > rows) {
      check.reason = "does not reach age " + std::to_string(target.age) + " in its forecast";
      return check;
    }
    const std::size_t row = static_cast<std::size_t>(a - 1);
    const std::int64_t worth = RoundMoney(forecast.table.Year(static_cast<int>(a)).NetWorth / forecast.inflation[row]);
    check.holds = worth >= target.amount;
    check.reason = "has a net worth of " + FormatDollars(worth) + " at " + std::to_string(target.age) + " (" +
                   Year(check.year) + ", today's dollars)";
    return check;
  }
  for (int a = 1; a <= rows; ++a) {
    const YearRecord& year = forecast.table.Year(a);
    check.year = firstYear + a - 1;
    if (year.UnfundedShortfall > 0) {
      check.reason = "takes new debt in " + Year(check.year) + " (" + FormatDollars(year.UnfundedShortfall) + ")";
      return check;
    }
    if (target.kind == TargetKind::NeverBorrow && year.HomeEquityBorrowing > 0) {
      check.reason =
          "borrows against the home in " + Year(check.year) + " (" + FormatDollars(year.HomeEquityBorrowing) + ")";
      return check;
    }
  }
  check.holds = true;
  check.year = 0;
  check.reason = target.kind == TargetKind::NeverNewDebt ? "never takes new debt" : "never borrows";
  return check;
}
