#pragma once

#include "markets/ForecastRules.h"
#include "markets/HistoryStart.h"
#include "model/PlanRecord.h"
#include "odds/OddsRunner.h"

// The start year of the built-in history whose replay hurts the plan most
// (the historical model's worst trial when the sequence begins in the first
// year), the sequence beginning where asked.
int WorstStartYear(const PlanRecord& plan, ForecastRules rules, SequenceStart at);

// The plan on the stress test's rates (a history start's or a typed
// scenario's) as one trial: its year table, as the odds page shows a trial.
TrialReplay ReplayOfRates(const PlanRecord& plan, const RatePath& rates, ForecastRules rules);
