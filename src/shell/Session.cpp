#include "shell/Session.h"

#if __has_include("engine/Forecast.h")
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#define PREVORA_HAS_ENGINE 1
#endif

void Session::RunForecastForView() {
#ifdef PREVORA_HAS_ENGINE
  RunForecast(plan, table);
  if (CurrentDollars) ToCurrentDollars(plan, table);
#endif
}

std::string Session::PlanPath() const {
  return (PlanDirectory.empty() ? working.PlanFolder : PlanDirectory) + plan.PlanFileName;
}
