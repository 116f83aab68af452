#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ForecastTable.h"
#include "markets/MarketHistory.h"
#include "markets/ForecastRules.h"
#include "model/PlanRecord.h"
#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"
#include "odds/OddsResult.h"
#include "solve/Sensitivity.h"
#include "solve/Solver.h"

// What a report runs on: the settings simulate, solve and sensitivity take,
// so every figure is one those commands print for the same settings.
struct ReportSettings {
  MonteCarloSettings monteCarlo;  // trials and seed of Monte Carlo, the bootstrap and the 90 % answers
  HistoricalSettings historical;
  int block = 5;          // bootstrap years taken together
  MarketHistory history;  // for the historical and bootstrap models and the stress tests
  std::string historyName;
  ForecastRules rules;
  int threads = 1;
  std::int64_t oddsPercentHundredths = 9000;
};

// Figures of one model's trials.
struct ReportOdds {
  std::string model;     // "Monte Carlo", ...
  std::string settings;  // "10,000 trials, seed 1"
  OddsResult result;
};

// One answer of the solver, with the request that produced it.
struct ReportAnswer {
  SolveRequest request;
  SolveResult result;
  std::string problem;  // why the request cannot run on the plan; then there is no result
};

// The plan replayed on history from one start year.
struct ReportStress {
  int startYear = 0;
  bool worst = false;
  ForecastTable table;  // today's dollars along the replay's inflation
  TrialGrade grade;
};

struct ReportFigures {
  PlanRecord plan;             // with the values the forecast recomputes
  ForecastRules rules;         // the rules every figure ran under
  ForecastTable table;         // each year's own dollars
  ForecastTable currentTable;  // today's dollars
  bool saturated = false;
  std::vector<ReportOdds> odds;       // Monte Carlo, historical, bootstrap
  std::vector<ReportAnswer> answers;  // spending and retirement, each without and with odds
  SensitivityResult sensitivity;
  std::vector<ReportStress> stress;  // the named starts, then the worst
};

// Where a running report has got to, for a progress bar: steps done of all.
struct ReportControl {
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(int done, int total)> progress;
};

// The starts every stress page shows besides the plan's worst.
inline constexpr std::array<int, 3> kReportStressStarts = {1929, 1966, 2000};

// Why these settings cannot run on the plan (a model's settings, a history
// too short), or empty.
std::string ReportSettingsProblem(const PlanRecord& plan, const ReportSettings& settings);

// Runs every computation the report shows, by the functions the commands
// call; nothing when cancelled. The settings must have no problem.
std::optional<ReportFigures> ComputeReportFigures(const PlanRecord& plan, const ReportSettings& settings,
                                                  const ReportControl& control = {});
