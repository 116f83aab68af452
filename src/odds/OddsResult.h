#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "odds/ShortfallLevel.h"

// Net worth percentiles shown as bands: p10, p25, p50, p75, p90.
inline constexpr std::array<int, 5> kBandPercents = {10, 25, 50, 75, 90};
using BandValues = std::array<std::int64_t, kBandPercents.size()>;

struct YearBands {
  std::int64_t year = 0;  // calendar year
  std::int64_t age1 = 0;  // person 1's age
  BandValues inflated{};  // each year's own dollars
  BandValues current{};   // today's dollars
};

// What one trial leaves behind once its table is gone.
struct TrialSummary {
  TrialGrade grade;
  std::int64_t finalNetWorth = 0;  // last year, today's dollars
};

// What a simulation reports: the share of trials at each shortfall level and
// the spread of net worth, year by year.
struct OddsResult {
  int trials = 0;
  std::array<int, kShortfallLevelCount> levelCounts{};
  int belowZeroCount = 0;
  // Median (the lower middle one) of the first year of new debt, among the
  // trials that took new debt.
  std::optional<std::int64_t> medianFirstNewDebtYear;
  std::vector<YearBands> years;
  std::vector<TrialSummary> trialSummaries;  // by trial number

  // Trials whose savings lasted, and trials that never took new debt.
  int SavingsLastedCount() const;
  int NoNewDebtCount() const;
  // Shares in percent of all trials.
  double LevelShare(ShortfallLevel level) const;
  // The headline: trials whose savings lasted, never borrowing against the
  // home nor taking new debt.
  double SavingsLastedShare() const;
  // Trials that never took new debt (home-equity borrowing allowed).
  double NoNewDebtShare() const;
  double BelowZeroShare() const;
  // Deepest level first, then the lowest final net worth, then the lowest number.
  int WorstTrial() const;
};

// Value of rank ceil(p/100 * n) (nearest rank) of `values`, which it reorders.
std::int64_t NearestRank(std::vector<std::int64_t>& values, int percent);
