#include "odds/OddsCollector.h"

namespace {

BandValues Bands(std::vector<std::int64_t>& values) {
  BandValues bands{};
  for (std::size_t i = 0; i < kBandPercents.size(); ++i) bands[i] = NearestRank(values, kBandPercents[i]);
  return bands;
}

}  // namespace

OddsCollector::OddsCollector(const PlanRecord& plan, int trials)
    : firstYear_(plan.CurrentYear),
      firstAge_(plan.Age1),
      rows_(RowCount(plan)),
      trials_(trials),
      inflated_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(trials)),
      current_(inflated_.size()),
      summaries_(static_cast<std::size_t>(trials)) {}

void OddsCollector::Record(int trial, const TrialGrade& grade, const ForecastTable& inflated,
                           const ForecastTable& current) {
  const std::size_t column = static_cast<std::size_t>(trial);
  const std::size_t stride = static_cast<std::size_t>(trials_);
  for (int a = 1; a <= rows_; ++a) {
    const std::size_t slot = static_cast<std::size_t>(a - 1) * stride + column;
    inflated_[slot] = inflated.Year(a).NetWorth;
    current_[slot] = current.Year(a).NetWorth;
  }
  summaries_[column] = TrialSummary{grade, rows_ > 0 ? current.Year(rows_).NetWorth : 0};
}

OddsResult OddsCollector::Finish() {
  OddsResult result;
  result.trials = trials_;
  std::vector<std::int64_t> debtYears;
  for (const TrialSummary& summary : summaries_) {
    ++result.levelCounts[static_cast<std::size_t>(summary.grade.level)];
    if (summary.grade.netWorthBelowZero) ++result.belowZeroCount;
    if (summary.grade.level == ShortfallLevel::NewDebt) debtYears.push_back(summary.grade.firstNewDebtYear);
  }
  if (!debtYears.empty()) result.medianFirstNewDebtYear = NearestRank(debtYears, 50);

  const auto stride = static_cast<std::ptrdiff_t>(trials_);
  std::vector<std::int64_t> scratch;
  for (int a = 1; a <= rows_; ++a) {
    YearBands bands;
    bands.year = firstYear_ + a - 1;
    bands.age1 = firstAge_ + a - 1;
    const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(a - 1) * stride;
    scratch.assign(inflated_.begin() + start, inflated_.begin() + start + stride);
    bands.inflated = Bands(scratch);
    scratch.assign(current_.begin() + start, current_.begin() + start + stride);
    bands.current = Bands(scratch);
    result.years.push_back(bands);
  }
  result.trialSummaries = std::move(summaries_);
  return result;
}
