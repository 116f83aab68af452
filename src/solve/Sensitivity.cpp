#include "solve/Sensitivity.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <span>

#include "engine/Money.h"
#include "model/PlanFieldLabels.h"
#include "odds/OddsRunner.h"

namespace {

constexpr std::int64_t kRatePoint = 100;  // hundredths

class Figure {
 public:
  Figure(const SensitivityRequest& request, const SolveControl& control, std::int64_t& forecasts)
      : request_(request), control_(control), forecasts_(forecasts) {}

  std::optional<double> Of(const PlanRecord& plan) {
    if (control_.cancel && control_.cancel->load()) return std::nullopt;
    if (!request_.odds) {
      Count(1);
      return static_cast<double>(MetricOf(request_.metric, plan));
    }
    const std::shared_ptr<const PathModel> model = request_.odds->model(plan);
    OddsRunControl run;
    run.threads = request_.odds->threads;
    run.rules = request_.metric.rules;
    run.cancel = control_.cancel;
    const std::optional<OddsResult> result = RunOdds(plan, *model, run);
    if (!result) return std::nullopt;
    Count(result->trials);
    return request_.target.kind == TargetKind::NeverNewDebt ? result->NoNewDebtShare() : result->SavingsLastedShare();
  }

 private:
  void Count(std::int64_t forecasts) {
    forecasts_ += forecasts;
    if (control_.progress) control_.progress(forecasts_);
  }

  const SensitivityRequest& request_;
  const SolveControl& control_;
  std::int64_t& forecasts_;
};

}  // namespace

std::string SensitivityRequestProblem(const SensitivityRequest& request) {
  if (request.odds && request.target.kind == TargetKind::NetWorthAt) {
    return "with the odds, sensitivity counts the trials that never borrow or never take new debt, not a net worth";
  }
  return {};
}

double SensitivityRow::Swing() const { return std::max(std::fabs(changeDown), std::fabs(changeUp)); }

std::int64_t SensitivityStep(const Lever& input, std::int64_t value) {
  switch (UnitOf(input)) {
    case LeverUnit::Years:
      return 1;
    case LeverUnit::Percent:
      return kRatePoint;
    case LeverUnit::Dollars:
      break;
  }
  const long double tenth = std::fabs(static_cast<long double>(value)) / 10.0L;
  return static_cast<std::int64_t>(std::nearbyint(tenth));
}

SensitivityRow SensitivityRowAt(const Lever& input, std::int64_t value) {
  SensitivityRow row;
  row.input = input;
  row.value = value;
  const std::int64_t step = SensitivityStep(input, value);
  row.down = SubMoney(value, step);
  row.up = AddMoney(value, step);
  return row;
}

std::vector<Lever> SensitivityInputs(const PlanRecord& plan) {
  std::vector<Lever> inputs;
  std::string error;
  for (const PlanFieldLabel& label : std::span(PlanFieldLabels()).first(kPlanFileLines)) {
    // Page totals follow their entries and are no lever of their own.
    if (const std::optional<Lever> lever = FieldLever(label.name, error)) inputs.push_back(*lever);
  }
  for (const char* name : {"FullRetirementBenefit1", "FullRetirementBenefit2", "RothBalance", "RothContribution1",
                           "RothContribution2", "ConvertAmount"}) {
    const std::optional<Lever> lever = FieldLever(name, error);
    if (lever && LeverValue(*lever, plan) != 0) inputs.push_back(*lever);
  }
  return inputs;
}

SensitivityResult RunSensitivity(const PlanRecord& plan, const SensitivityRequest& request,
                                 const SolveControl& control) {
  const auto start = std::chrono::steady_clock::now();
  SensitivityResult result;
  Figure figure(request, control, result.forecasts);
  const std::optional<double> base = figure.Of(plan);
  if (!base) {
    result.cancelled = true;
    return result;
  }
  result.base = *base;
  for (const Lever& input : SensitivityInputs(plan)) {
    SensitivityRow row = SensitivityRowAt(input, LeverValue(input, plan));
    if (row.down != row.up) {
      const std::optional<double> down = figure.Of(WithLever(input, plan, row.down));
      const std::optional<double> up = down ? figure.Of(WithLever(input, plan, row.up)) : std::nullopt;
      if (!up) {
        result.cancelled = true;
        return result;
      }
      row.changeDown = *down - result.base;
      row.changeUp = *up - result.base;
    }
    result.rows.push_back(row);
  }
  std::stable_sort(result.rows.begin(), result.rows.end(),
                   [](const SensitivityRow& a, const SensitivityRow& b) { return a.Swing() > b.Swing(); });
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}
