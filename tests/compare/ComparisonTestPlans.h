#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <variant>

#include "engine/PageTotals.h"
#include "model/PlanFile.h"
#include "model/PlanFileLayout.h"
#include "model/SamplePlan.h"

// Plans for comparison tests: the sample plan with its figures drawn at
// random, and copies of it with a few fields edited, as a person editing a
// version of a plan would.
namespace comparetest {

inline std::int64_t Between(std::mt19937_64& random, std::int64_t low, std::int64_t high) {
  return std::uniform_int_distribution<std::int64_t>(low, high)(random);
}

// Totals as the pages store them after an Update.
inline void StoreTotals(PlanRecord& plan) {
  RecomputeMedicalTotal(plan);
  RecomputeCommunicationTotal(plan);
  RecomputeEntertainmentTotal(plan);
  RecomputeFoodTotal(plan);
  RecomputeAutoTotal(plan);
  RecomputeOtherTotal(plan);
  RecomputeCurrentNetWorth(plan);
  RefreshExpenseSummary(plan);
}

inline PlanRecord GeneratedPlan(std::mt19937_64& random) {
  PlanRecord plan;
  ResetPlan(plan, 2026);
  plan.Age1 = static_cast<std::int32_t>(Between(random, 25, 70));
  plan.Age2 = static_cast<std::int32_t>(Between(random, 25, 70));
  plan.RetireAge1 = static_cast<std::int32_t>(Between(random, plan.Age1, 75));
  plan.RetireAge2 = static_cast<std::int32_t>(Between(random, plan.Age2, 75));
  plan.Salary1 = Between(random, 0, 150000);
  plan.Salary2 = Between(random, 0, 150000);
  plan.TaxableBalance = Between(random, 0, 400000);
  plan.TaxDeferredBalance = Between(random, 0, 800000);
  plan.CurrentDebt = Between(random, 0, 30000);
  plan.HomeStatus = static_cast<std::int32_t>(Between(random, 1, 5));
  plan.FilingStatus = static_cast<std::int32_t>(Between(random, 1, 4));
  plan.Groceries = Between(random, 2000, 15000);
  plan.Vacations = Between(random, 0, 10000);
  plan.MedPremiums1 = Between(random, 0, 8000);
  plan.EventYear1 = 2026 + Between(random, 0, 20);
  plan.EventAmount1 = Between(random, 0, 50000);
  plan.InflationRate = static_cast<long double>(Between(random, 0, 600)) / 100.0L;
  plan.TaxableReturn = static_cast<long double>(Between(random, -100, 500)) / 100.0L;
  StoreTotals(plan);
  return plan;
}

// A different value of the same kind, within what a page accepts.
struct ChangedValue {
  std::mt19937_64& random;
  void operator()(bool& value) const { value = !value; }
  void operator()(std::string& value) const { value += "x"; }
  void operator()(long double& value) const {
    value += static_cast<long double>(Between(random, 1, 150)) / 100.0L * (Between(random, 0, 1) ? 1 : -1);
  }
  void operator()(std::int32_t& value) const {
    const std::int64_t step = Between(random, 1, 5) * (value > 5 && Between(random, 0, 1) ? -1 : 1);
    value = static_cast<std::int32_t>(value + step);
  }
  void operator()(std::int64_t& value) const {
    if (value > 1900 && value < 2200) {  // a calendar year
      value += Between(random, 1, 5);
    } else {
      value += Between(random, 1, 20000) * (value > 20000 && Between(random, 0, 1) ? -1 : 1);
    }
  }
};

// `plan` with `count` different fields (never the file name) changed.
inline PlanRecord Edited(const PlanRecord& plan, int count, std::mt19937_64& random) {
  PlanRecord edited = plan;
  std::set<int> lines;
  while (static_cast<int>(lines.size()) < count) lines.insert(static_cast<int>(Between(random, 1, kPlanFileLines - 1)));
  for (int line : lines) {
    std::visit([&](auto member) { ChangedValue{random}(edited.*member); },
               PlanFileLayout()[static_cast<std::size_t>(line)]);
  }
  if (edited.HomeStatus < 1 || edited.HomeStatus > 5) edited.HomeStatus = plan.HomeStatus == 1 ? 2 : 1;
  if (edited.FilingStatus < 1 || edited.FilingStatus > 4) edited.FilingStatus = plan.FilingStatus == 1 ? 2 : 1;
  return edited;
}

}  // namespace comparetest
