#include "shell/Session.h"

#include "engine/DollarViews.h"
#include "engine/Forecast.h"

RatePath Session::PlanRates() const { return PlanRatePath(plan, PastInflation); }

std::string Session::PastNote() const { return PastInflationNote(plan.CurrentYear, PastInflation); }

void Session::RunForecastForView() {
  const Forecast forecast = ForecastInView(plan, PlanRates(), CurrentDollars);
  WriteBack(forecast.updates, plan);
  table = forecast.table;
  ForecastSaturated = forecast.saturated;
}

void Session::ChoosePastInflation(PastInflationRule rule) {
  PastInflation = rule;
  if (comparison.open) comparison.Rerun(rule);
  // The last odds ran on the other past: the graph's band goes with them.
  odds = OddsState{};
  RunForecastForView();
}

void Session::SwitchDollars() {
  CurrentDollars = !CurrentDollars;
  if (CurrentDollars) {
    ToCurrentDollars(plan, table);
  } else {
    ToInflatedDollars(plan, table);
  }
}

const std::string& Session::CurrentPlanFolder() const {
  return PlanDirectory.empty() ? working.PlanFolder : PlanDirectory;
}

std::string Session::PlanPath() const { return CurrentPlanFolder() + plan.PlanFileName; }
