#include "shell/Session.h"

#include "engine/DollarViews.h"
#include "engine/Forecast.h"

RatePath Session::PlanRates() const { return PlanRatePath(plan, Rules); }

std::string Session::RulesNote() const { return ForecastRulesNote(plan.CurrentYear, Rules); }

void Session::RunForecastForView() {
  const Forecast forecast = ForecastInView(plan, PlanRates(), CurrentDollars);
  WriteBack(forecast.updates, plan);
  table = forecast.table;
  ForecastSaturated = forecast.saturated;
}

bool Session::ChooseRules(ForecastRules rules) {
  if (rules == Rules) return false;
  Rules = rules;
  if (comparison.open) comparison.Rerun(rules);
  // The last odds ran on other rules: the graph's band goes with them.
  odds = OddsState{};
  RunForecastForView();
  return true;
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
