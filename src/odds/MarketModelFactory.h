#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/RatePath.h"
#include "markets/MarketHistory.h"
#include "model/PlanRecord.h"
#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"
#include "odds/PathModel.h"

// Which model of markets the trials come from. The values are stored in the
// user's settings.
enum class MarketModelKind { MonteCarlo = 0, Historical = 1, Bootstrap = 2 };

// One choice of model with the settings of each kind; the odds page, simulate
// and the solver's odds all build their model from it.
struct MarketModelSettings {
  MarketModelKind model = MarketModelKind::MonteCarlo;
  MonteCarloSettings monteCarlo;
  HistoricalSettings historical;
  int block = 5;  // bootstrap years taken together
};

// The bootstrap's settings: trials and seed of Monte Carlo, the history's stock shares.
BootstrapSettings BootstrapSettingsOf(const MarketModelSettings& settings);

struct MarketModelBuild {
  std::shared_ptr<const PathModel> model;
  std::string problem;  // why the settings cannot run, when there is no model
};

// The model the settings ask for on the plan. Monte Carlo centers its draws on
// `means` when given, else on the plan's rates; the historical replay and the
// bootstrap run on `history`, which they need.
MarketModelBuild BuildMarketModel(const PlanRecord& plan, const MarketModelSettings& settings,
                                  std::shared_ptr<const MarketHistory> history, const RatePath* means = nullptr);

// The model for each plan a solve tries (a rate lever moves the model's means).
// `plan` is the plan the settings passed on; its model is built once.
using MarketModelForPlan = std::function<std::shared_ptr<const PathModel>(const PlanRecord&)>;
MarketModelBuild BuildMarketModelForPlans(const PlanRecord& plan, const MarketModelSettings& settings,
                                          std::shared_ptr<const MarketHistory> history, MarketModelForPlan& forPlan);
