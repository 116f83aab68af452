#include "model/SamplePlan.h"

#include <ctime>

std::int32_t ClockYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (const std::tm* converted = std::localtime(&now)) local = *converted;
  return static_cast<std::int32_t>(local.tm_year) + 1900;
}

void ResetPlan(PlanRecord& plan, std::int32_t clockYear) {
  plan = PlanRecord{};
  plan.CurrentYear = clockYear;
  plan.EduStartYear1 = plan.EduEndYear1 = clockYear;
  plan.EduStartYear2 = plan.EduEndYear2 = clockYear;
  plan.EduStartYear3 = plan.EduEndYear3 = clockYear;
  plan.EventYear1 = plan.EventYear2 = plan.EventYear3 = plan.EventYear4 = plan.EventYear5 = clockYear;
  // At start-up events 2 to 5 carry titles worded like event 1's, not the
  // record's shorter defaults.
  plan.EventTitle2 = "One Time Special Event #2";
  plan.EventTitle3 = "One Time Special Event #3";
  plan.EventTitle4 = "One Time Special Event #4";
  plan.EventTitle5 = "One Time Special Event #5";
}

void ResetPlan(PlanRecord& plan) { ResetPlan(plan, ClockYear()); }
