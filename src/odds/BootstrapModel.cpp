#include "odds/BootstrapModel.h"

#include <algorithm>

#include "engine/ForecastTable.h"
#include "markets/MarketYearRates.h"
#include "odds/RandomStream.h"

BootstrapSettings BootstrapSettingsFrom(const MonteCarloSettings& trials, const HistoricalSettings& mix, int block) {
  BootstrapSettings settings;
  settings.trials = trials.trials;
  settings.seed = trials.seed;
  settings.block = block;
  settings.stocksTaxable = mix.stocksTaxable;
  settings.stocksDeferred = mix.stocksDeferred;
  return settings;
}

BootstrapModel::BootstrapModel(const PlanRecord& plan, const MarketHistory& history,
                               const BootstrapSettings& settings)
    : history_(history), settings_(settings), rows_(RowCount(plan)), planRealEstateGrowth_(plan.RealEstateGrowth) {}

std::string BootstrapModel::SettingsProblem(const MarketHistory& history, const BootstrapSettings& settings) {
  if (settings.trials < 1 || settings.trials > kMaxBootstrapTrials) {
    return "the number of trials must be between 1 and " + std::to_string(kMaxBootstrapTrials);
  }
  if (settings.block < 1 || settings.block > kMaxBootstrapBlock) {
    return "the block length must be between 1 and " + std::to_string(kMaxBootstrapBlock) + " years";
  }
  if (!ValidStockShare(settings.stocksTaxable) || !ValidStockShare(settings.stocksDeferred)) {
    return "the stock shares must be between 0 and 100 percent";
  }
  if (history.years.empty()) return "the history holds no years";
  return {};
}

std::vector<std::size_t> BootstrapModel::DataIndices(int trial) const {
  const std::size_t count = history_.years.size();
  const auto block = static_cast<std::size_t>(settings_.block);
  RandomStream random(settings_.seed, static_cast<std::uint64_t>(trial));
  std::vector<std::size_t> indices(static_cast<std::size_t>(rows_));
  std::size_t start = 0;
  for (std::size_t k = 0; k < indices.size(); ++k) {
    if (k % block == 0) {
      // Uniform() is below 1, so the product stays below count.
      start = std::min(static_cast<std::size_t>(random.Uniform() * static_cast<double>(count)), count - 1);
    }
    indices[k] = (start + k % block) % count;
  }
  return indices;
}

TrialRates BootstrapModel::Path(int trial) const {
  const MarketMix mix{settings_.stocksTaxable, settings_.stocksDeferred, history_.hasRealEstate, planRealEstateGrowth_};
  const std::vector<std::size_t> indices = DataIndices(trial);
  TrialRates path(indices.size());
  for (std::size_t k = 0; k < indices.size(); ++k) path[k] = RatesOfMarketYear(history_.years[indices[k]], mix);
  return path;
}

std::string BootstrapModel::TrialLabel(int trial) const { return "trial " + std::to_string(trial + 1); }
