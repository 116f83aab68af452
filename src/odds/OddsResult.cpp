#include "odds/OddsResult.h"

#include <algorithm>

namespace {

double Share(int count, int trials) { return trials > 0 ? 100.0 * count / trials : 0.0; }

}  // namespace

double OddsResult::LevelShare(ShortfallLevel level) const {
  return Share(levelCounts[static_cast<std::size_t>(level)], trials);
}

int OddsResult::SavingsLastedCount() const {
  return trials - levelCounts[static_cast<std::size_t>(ShortfallLevel::HomeEquity)] -
         levelCounts[static_cast<std::size_t>(ShortfallLevel::NewDebt)];
}

int OddsResult::NoNewDebtCount() const {
  return trials - levelCounts[static_cast<std::size_t>(ShortfallLevel::NewDebt)];
}

double OddsResult::SavingsLastedShare() const { return Share(SavingsLastedCount(), trials); }

double OddsResult::NoNewDebtShare() const { return Share(NoNewDebtCount(), trials); }

double OddsResult::BelowZeroShare() const { return Share(belowZeroCount, trials); }

int OddsResult::WorstTrial() const {
  int worst = 0;
  for (int i = 1; i < static_cast<int>(trialSummaries.size()); ++i) {
    const TrialSummary& candidate = trialSummaries[static_cast<std::size_t>(i)];
    const TrialSummary& current = trialSummaries[static_cast<std::size_t>(worst)];
    if (candidate.grade.level > current.grade.level ||
        (candidate.grade.level == current.grade.level && candidate.finalNetWorth < current.finalNetWorth)) {
      worst = i;
    }
  }
  return worst;
}

std::int64_t NearestRank(std::vector<std::int64_t>& values, int percent) {
  const std::size_t n = values.size();
  if (n == 0) return 0;
  std::size_t rank = (n * static_cast<std::size_t>(percent) + 99) / 100;
  rank = std::clamp<std::size_t>(rank, 1, n);
  const auto nth = values.begin() + static_cast<std::ptrdiff_t>(rank - 1);
  std::nth_element(values.begin(), nth, values.end());
  return *nth;
}
