#include "odds/HistoricalModel.h"

#include <algorithm>

#include "engine/ForecastTable.h"
#include "markets/HistoryStart.h"

namespace {

int WindowCount(int years, int rows, bool completeOnly) {
  if (!completeOnly) return years;
  // A plan past the table's last age has no rows; its window is one year all the same.
  const int span = std::max(rows, 1);
  return years >= span ? years - span + 1 : 0;
}

}  // namespace

HistoricalModel::HistoricalModel(const PlanRecord& plan, const MarketHistory& history,
                                 const HistoricalSettings& settings)
    : history_(history), settings_(settings), rows_(RowCount(plan)), planRealEstateGrowth_(plan.RealEstateGrowth) {}

std::string HistoricalModel::SettingsProblem(const PlanRecord& plan, const MarketHistory& history,
                                             const HistoricalSettings& settings) {
  if (!ValidStockShare(settings.stocksTaxable) || !ValidStockShare(settings.stocksDeferred)) {
    return "the stock shares must be between 0 and 100 percent";
  }
  if (history.years.empty()) return "the history holds no years";
  const int rows = RowCount(plan);
  if (WindowCount(static_cast<int>(history.years.size()), rows, settings.completeOnly) == 0) {
    return "the history holds " + std::to_string(history.years.size()) + " years but the forecast runs " +
           std::to_string(rows) + ", so no start year has a complete window";
  }
  return {};
}

int HistoricalModel::TrialCount() const {
  return WindowCount(static_cast<int>(history_.years.size()), rows_, settings_.completeOnly);
}

TrialRates HistoricalModel::Path(int trial) const {
  const MarketMix mix{settings_.stocksTaxable, settings_.stocksDeferred, history_.hasRealEstate, planRealEstateGrowth_};
  return ReplayedYears(history_, mix, trial, rows_);
}

std::string HistoricalModel::TrialLabel(int trial) const {
  return "start year " + std::to_string(history_.years[static_cast<std::size_t>(trial)].year);
}

int HistoricalModel::WrappedTrials() const {
  if (settings_.completeOnly) return 0;
  return std::clamp(rows_ - 1, 0, static_cast<int>(history_.years.size()));
}
