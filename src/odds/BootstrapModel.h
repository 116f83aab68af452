#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/PlanRecord.h"
#include "odds/HistoricalModel.h"
#include "markets/MarketHistory.h"
#include "odds/MonteCarloModel.h"
#include "odds/PathModel.h"

struct BootstrapSettings {
  int trials = 10000;
  std::uint64_t seed = 1;
  // Years taken together from the history; runs past its last year wrap to its first.
  int block = 5;
  long double stocksTaxable = 60.0L;
  long double stocksDeferred = 60.0L;
};

// The bootstrap draws trials as Monte Carlo does and mixes stocks and bonds as
// the historical replay does: its settings are those two plus the block.
BootstrapSettings BootstrapSettingsFrom(const MonteCarloSettings& trials, const HistoricalSettings& mix, int block);

inline constexpr int kMaxBootstrapBlock = 100;
// As for Monte Carlo: a run keeps every trial's net worths, so the count is bounded.
inline constexpr int kMaxBootstrapTrials = 100000;

// Strings together runs of `block` consecutive history years, each run
// starting at a random year: a trial keeps the co-movement of inflation,
// stocks, bonds and homes within a year and the momentum within a run, but is
// not limited to the history's own start years. Trial i depends only on the
// seed and i.
class BootstrapModel : public PathModel {
 public:
  // Settings and history must have passed SettingsProblem.
  BootstrapModel(const PlanRecord& plan, const MarketHistory& history, const BootstrapSettings& settings);

  // Why these settings cannot run on this history, or empty.
  static std::string SettingsProblem(const MarketHistory& history, const BootstrapSettings& settings);

  int TrialCount() const override { return settings_.trials; }
  TrialRates Path(int trial) const override;
  std::string TrialLabel(int trial) const override;

  // The index into the history of each forecast year of a trial.
  std::vector<std::size_t> DataIndices(int trial) const;
  const MarketHistory& History() const { return history_; }
  int Block() const { return settings_.block; }

 private:
  MarketHistory history_;
  BootstrapSettings settings_;
  int rows_;
  long double planRealEstateGrowth_;
};
