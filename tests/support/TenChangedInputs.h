#pragma once

#include "model/PlanRecord.h"

// Ten inputs across six pages changed at once: a comparison attributes the
// difference over 2^10 = 1,024 forecasts. The caller recomputes the page
// totals the changes touch.
inline void ChangeTenInputs(PlanRecord& plan) {
  plan.Salary1 += 5000;
  plan.TaxableBalance += 20000;
  plan.InflationRate += 0.5L;
  plan.TaxableReturn -= 0.5L;
  plan.Groceries += 1000;
  plan.Vacations += 2000;
  plan.RetireAge1 += 2;
  plan.CurrentDebt += 3000;
  plan.HomeInsurance += 300;
  plan.RetirementReduction += 5;
}
