#pragma once

#include "model/PlanRecord.h"
#include "markets/HistoryStart.h"
#include "markets/MarketHistory.h"
#include "odds/PathModel.h"

struct HistoricalSettings {
  // Only start years whose whole forecast fits in the data; otherwise every
  // data year starts a trial and windows past the last year wrap to the first.
  bool completeOnly = false;
  // Percent of each account in stocks, the rest in bonds.
  long double stocksTaxable = kHistoryStockShare;
  long double stocksDeferred = kHistoryStockShare;
};

// Replays the years of a market history: trial i lives through the data from
// its i-th year on. Each account earns its stock and bond mix over that year's
// inflation; real estate grows by the data's column over inflation when there
// is one, else by the plan's own growth over inflation.
class HistoricalModel : public PathModel {
 public:
  // Settings and history must have passed SettingsProblem.
  HistoricalModel(const PlanRecord& plan, const MarketHistory& history, const HistoricalSettings& settings);

  // Why this history and these settings give no trials for the plan, or empty.
  static std::string SettingsProblem(const PlanRecord& plan, const MarketHistory& history,
                                     const HistoricalSettings& settings);

  int TrialCount() const override;
  TrialRates Path(int trial) const override;
  std::string TrialLabel(int trial) const override;

  // Trials whose window runs past the data's last year and starts over at its first.
  int WrappedTrials() const;
  int FirstYear() const { return history_.years.front().year; }
  int LastYear() const { return history_.years.back().year; }
  int DataYears() const { return static_cast<int>(history_.years.size()); }
  bool UsesRealEstateColumn() const { return history_.hasRealEstate; }
  const std::string& HistoryName() const { return history_.name; }

 private:
  MarketHistory history_;
  HistoricalSettings settings_;
  int rows_;
  long double planRealEstateGrowth_;
};
