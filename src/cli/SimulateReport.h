#pragma once

#include "cli/SimulateOptions.h"
#include "model/PlanRecord.h"
#include "odds/HistoricalModel.h"
#include "odds/OddsResult.h"

// Prints a simulation's result on stdout in the chosen format. `historical`
// is the model when the run replayed history, else nullptr.
void PrintSimulateReport(const SimulateOptions& options, const OddsResult& result, const HistoricalModel* historical);
