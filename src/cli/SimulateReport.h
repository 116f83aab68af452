#pragma once

#include "cli/HistorySource.h"
#include "cli/SimulateOptions.h"
#include "model/PlanRecord.h"
#include "odds/HistoricalModel.h"
#include "odds/OddsResult.h"

// What the run drew its rates from: the history (historical and bootstrap
// runs) and the replay model (historical runs); nullptr where they do not apply.
struct SimulateSource {
  const HistorySource* history = nullptr;
  const HistoricalModel* historical = nullptr;
};

// Prints a simulation's result on stdout in the chosen format.
void PrintSimulateReport(const SimulateOptions& options, const OddsResult& result, const SimulateSource& source);
