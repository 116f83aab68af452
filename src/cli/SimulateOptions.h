#pragma once

#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/PlanOverrides.h"
#include "cli/YearTableOutput.h"
#include "markets/ForecastRules.h"
#include "odds/MarketModelFactory.h"

enum class SimulateFormat { Text, Json, Csv, Tsv };

// What `prevora-cli simulate` was asked to do.
struct SimulateOptions : MarketModelSettings {
  std::string plan;
  std::string history;  // empty: the built-in history
  std::string rates;    // a rate file the Monte Carlo draws center on, or empty for the plan's rates
  int threads = 0;  // 0: as many as the machine has
  int trial = 0;    // 1-based; 0 runs the whole simulation
  SimulateFormat format = SimulateFormat::Text;
  bool currentDollars = false;
  bool allFields = false;
  ForecastRules rules;
  PlanOverrides overrides;
};

struct SimulateParse {
  std::optional<SimulateOptions> options;
  std::string error;  // what is wrong with the arguments, when there are no options
};

SimulateParse ParseSimulateOptions(const CliArgs& args);
