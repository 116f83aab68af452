#pragma once

#include "engine/Forecast.h"
#include "engine/ForecastTable.h"
#include "engine/RunFactors.h"
#include "model/PlanRecord.h"

// Plans for engine tests. The record's start state already fixes CurrentYear
// at 2005, so nothing here depends on the clock.
namespace enginetest {

// One person aged 40, renting for nothing, no income, assets or expenses.
inline PlanRecord QuietPlan() {
  PlanRecord plan;
  plan.SecondPerson = false;
  plan.Age1 = 40;
  plan.Age2 = 15;
  plan.FilingStatus = 1;
  return plan;
}

// The run's factors of the plan as it stands, at its own rates.
inline RunFactors FactorsOf(const PlanRecord& plan) { return RunFactors(plan, RatePath::FromPlan(plan)); }

inline ForecastTable RunPlan(PlanRecord& plan) {
  ForecastTable table;
  RunForecast(plan, table);
  return table;
}

}  // namespace enginetest
