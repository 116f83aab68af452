#include "odds/MarketModelFactory.h"

BootstrapSettings BootstrapSettingsOf(const MarketModelSettings& settings) {
  return BootstrapSettingsFrom(settings.monteCarlo, settings.historical, settings.block);
}

MarketModelBuild BuildMarketModel(const PlanRecord& plan, const MarketModelSettings& settings,
                                  std::shared_ptr<const MarketHistory> history, const RatePath* means) {
  MarketModelBuild build;
  switch (settings.model) {
    case MarketModelKind::MonteCarlo:
      build.problem = MonteCarloModel::SettingsProblem(settings.monteCarlo);
      if (build.problem.empty()) {
        build.model = means ? std::make_shared<MonteCarloModel>(plan, settings.monteCarlo, *means)
                            : std::make_shared<MonteCarloModel>(plan, settings.monteCarlo);
      }
      return build;
    case MarketModelKind::Bootstrap: {
      const BootstrapSettings bootstrap = BootstrapSettingsOf(settings);
      build.problem = BootstrapModel::SettingsProblem(*history, bootstrap);
      if (build.problem.empty()) build.model = std::make_shared<BootstrapModel>(plan, *history, bootstrap);
      return build;
    }
    case MarketModelKind::Historical:
      break;
  }
  build.problem = HistoricalModel::SettingsProblem(plan, *history, settings.historical);
  if (build.problem.empty()) build.model = std::make_shared<HistoricalModel>(plan, *history, settings.historical);
  return build;
}

MarketModelBuild BuildMarketModelForPlans(const PlanRecord& plan, const MarketModelSettings& settings,
                                          std::shared_ptr<const MarketHistory> history, MarketModelForPlan& forPlan) {
  MarketModelBuild build = BuildMarketModel(plan, settings, history);
  if (!build.model) return build;
  // Most levers leave the rates alone; the plan's own model then serves.
  forPlan = [plan, settings, history, base = build.model](const PlanRecord& moved) {
    return moved == plan ? base : BuildMarketModel(moved, settings, history).model;
  };
  return build;
}
