#include "solve/SolveAdvice.h"

#include "engine/DollarViews.h"
#include "engine/Money.h"
#include "model/NumberFormat.h"
#include "odds/TrialForecast.h"

namespace {

constexpr std::int64_t kDeferralLimit = 24'500;
constexpr std::int64_t kCatchUp = 8'000;
constexpr std::int64_t kCatchUpAt60To63 = 11'250;
constexpr std::int64_t kRounding = 10'000;

std::string LimitWords(std::int64_t age) {
  std::string words = FormatDollars(ElectiveDeferralLimit(age));
  if (age >= 60 && age <= 63) return words + " ($24,500 plus the $11,250 catch-up from 60 to 63)";
  if (age >= 50) return words + " ($24,500 plus the $8,000 catch-up from 50)";
  return words;
}

}  // namespace

std::optional<Target> MeaningfulTarget(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result) {
  if (request.lever.kind != LeverKind::Savings || result.status != SolveStatus::AlwaysMet ||
      request.target.kind == TargetKind::NetWorthAt) {
    return std::nullopt;
  }
  const std::int64_t row = static_cast<std::int64_t>(plan.RetireAge1) - plan.Age1 + 1;
  if (row < 1 || row > RowCount(plan)) return std::nullopt;
  const Forecast forecast = RunTrialForecast(plan, {}, request.past);
  const std::int64_t worth = RoundMoney(forecast.table.Year(static_cast<int>(row)).NetWorth /
                                        forecast.inflation[static_cast<std::size_t>(row - 1)]);
  if (worth < kRounding) return std::nullopt;
  return Target{TargetKind::NetWorthAt, plan.RetireAge1, worth / kRounding * kRounding};
}

std::string MeaningfulTargetWords(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result) {
  const std::optional<Target> target = MeaningfulTarget(plan, request, result);
  if (!target) return {};
  return "Savings do not decide this target: the plan meets it even with none. Ask for a net worth at "
         "retirement instead, e.g. at " +
         std::to_string(target->age) + " at least " + FormatDollars(target->amount) +
         " in today's dollars (about what the plan reaches with its own savings)";
}

std::int64_t ElectiveDeferralLimit(std::int64_t age) {
  if (age >= 60 && age <= 63) return kDeferralLimit + kCatchUpAt60To63;
  return age >= 50 ? kDeferralLimit + kCatchUp : kDeferralLimit;
}

std::string ContributionLimitWarning(const PlanRecord& plan, const Lever& lever, std::int64_t value) {
  const PlanRecord moved = WithLever(lever, plan, value);
  std::string warning;
  const struct {
    const char* person;
    std::int64_t contribution;
    std::int64_t before;
    std::int64_t age;
    bool present;
  } people[] = {{"the first person", moved.DeferredContribution1, plan.DeferredContribution1, moved.Age1, true},
                {"the second person", moved.DeferredContribution2, plan.DeferredContribution2, moved.Age2,
                 moved.SecondPerson}};
  for (const auto& person : people) {
    // Only what the lever moved: a plan's own figures are its owner's business.
    if (!person.present || person.contribution == person.before) continue;
    if (person.contribution <= ElectiveDeferralLimit(person.age)) continue;
    if (!warning.empty()) warning += "; ";
    warning += FormatDollars(person.contribution) + " a year for " + person.person + " is above the 2026 elective-deferral limit of " +
               LimitWords(person.age) + " at age " + std::to_string(person.age);
  }
  if (warning.empty()) return {};
  return "The answer contributes more than a 401(k) or 403(b) plan allows a person in a year: " + warning;
}
