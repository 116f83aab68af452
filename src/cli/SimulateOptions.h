#pragma once

#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/YearTableOutput.h"
#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"
#include "markets/ForecastRules.h"

enum class OddsModelKind { MonteCarlo, Historical, Bootstrap };
enum class SimulateFormat { Text, Json, Csv, Tsv };

// What `prevora-cli simulate` was asked to do.
struct SimulateOptions {
  std::string plan;
  OddsModelKind model = OddsModelKind::MonteCarlo;
  MonteCarloSettings monteCarlo;
  HistoricalSettings historical;
  std::string history;  // empty: the built-in history
  int block = 5;        // bootstrap years taken together
  std::string rates;    // a rate file the Monte Carlo draws center on, or empty for the plan's rates
  int threads = 0;  // 0: as many as the machine has
  int trial = 0;    // 1-based; 0 runs the whole simulation
  SimulateFormat format = SimulateFormat::Text;
  bool currentDollars = false;
  bool allFields = false;
  ForecastRules rules;
};

struct SimulateParse {
  std::optional<SimulateOptions> options;
  std::string error;  // what is wrong with the arguments, when there are no options
};

SimulateParse ParseSimulateOptions(const CliArgs& args);

// The bootstrap's settings: trials and seed as for Monte Carlo, stock shares as for the history.
BootstrapSettings BootstrapSettingsOf(const SimulateOptions& options);
