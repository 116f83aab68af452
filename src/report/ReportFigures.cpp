#include "report/ReportFigures.h"

#include <memory>

#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "engine/PlanUpdates.h"
#include "odds/MarketModelFactory.h"
#include "odds/OddsRunner.h"

namespace {

// Odds of three models, four answers, the sensitivity and the stress tests.
constexpr int kSteps = 3 + 4 + 1 + 1;

class StepCounter {
 public:
  explicit StepCounter(const ReportControl& control) : control_(control) {}
  bool Cancelled() const { return control_.cancel && control_.cancel->load(); }
  void Done() {
    if (control_.progress) control_.progress(++done_, kSteps);
  }

 private:
  const ReportControl& control_;
  int done_ = 0;
};

std::string Trials(int trials) { return std::to_string(trials) + " trials"; }

MarketModelSettings ModelSettings(const ReportSettings& settings, MarketModelKind kind) {
  MarketModelSettings model;
  model.model = kind;
  model.monteCarlo = settings.monteCarlo;
  model.historical = settings.historical;
  model.block = settings.block;
  return model;
}

MarketModelBuild BuildModel(const PlanRecord& plan, const ReportSettings& settings, MarketModelKind kind) {
  return BuildMarketModel(plan, ModelSettings(settings, kind), std::make_shared<const MarketHistory>(settings.history));
}

SolveOdds OddsAt(const PlanRecord& plan, const ReportSettings& settings) {
  SolveOdds odds;
  odds.percentHundredths = settings.oddsPercentHundredths;
  odds.threads = settings.threads;
  BuildMarketModelForPlans(plan, ModelSettings(settings, MarketModelKind::MonteCarlo), nullptr, odds.model);
  return odds;
}

std::vector<SolveRequest> AnswerRequests(const PlanRecord& plan, const ReportSettings& settings) {
  const Target target;
  const Lever spending = SpendingLever();
  const Lever retirement = RetireAgeLever(plan.SecondPerson ? LeverPerson::Both : LeverPerson::First);
  std::vector<SolveRequest> requests;
  for (const Lever& lever : {spending, retirement}) {
    for (const bool withOdds : {false, true}) {
      SolveRequest request(lever, target);
      request.past = settings.past;
      if (withOdds) request.odds = OddsAt(plan, settings);
      requests.push_back(request);
    }
  }
  return requests;
}

}  // namespace

std::string ReportSettingsProblem(const PlanRecord& plan, const ReportSettings& settings) {
  for (const MarketModelKind kind : {MarketModelKind::MonteCarlo, MarketModelKind::Bootstrap, MarketModelKind::Historical}) {
    if (std::string problem = BuildModel(plan, settings, kind).problem; !problem.empty()) return problem;
  }
  return {};
}

std::optional<ReportFigures> ComputeReportFigures(const PlanRecord& plan, const ReportSettings& settings,
                                                  const ReportControl& control) {
  StepCounter steps(control);
  ReportFigures figures;
  figures.plan = plan;
  const RatePath rates = PlanRatePath(plan, settings.past);
  const Forecast forecast = ForecastInView(plan, rates, false);
  WriteBack(forecast.updates, figures.plan);
  figures.table = forecast.table;
  figures.currentTable = ForecastInView(plan, rates, true).table;
  figures.saturated = forecast.saturated;

  OddsRunControl oddsControl;
  oddsControl.threads = settings.threads;
  oddsControl.past = settings.past;
  oddsControl.cancel = control.cancel;
  const std::shared_ptr<const PathModel> historical = BuildModel(plan, settings, MarketModelKind::Historical).model;
  const std::string seed = ", seed " + std::to_string(settings.monteCarlo.seed);
  const struct {
    const char* name;
    std::shared_ptr<const PathModel> model;
    std::string settings;
  } models[] = {
      {"Monte Carlo", BuildModel(plan, settings, MarketModelKind::MonteCarlo).model,
       Trials(settings.monteCarlo.trials) + seed},
      {"Historical", historical, std::to_string(historical->TrialCount()) + " trials, one per start year"},
      {"Bootstrap", BuildModel(plan, settings, MarketModelKind::Bootstrap).model,
       Trials(settings.monteCarlo.trials) + seed + ", blocks of " + std::to_string(settings.block) + " years"},
  };
  for (const auto& model : models) {
    std::optional<OddsResult> result = RunOdds(plan, *model.model, oddsControl);
    if (!result) return std::nullopt;
    figures.odds.push_back({model.name, model.settings, std::move(*result)});
    steps.Done();
  }

  SolveControl solveControl;
  solveControl.cancel = control.cancel;
  for (const SolveRequest& request : AnswerRequests(plan, settings)) {
    if (std::string problem = SolveRequestProblem(plan, request); !problem.empty()) {
      figures.answers.push_back({request, {}, std::move(problem)});
      steps.Done();
      continue;
    }
    SolveResult result = Solve(plan, request, solveControl);
    if (result.status == SolveStatus::Cancelled || steps.Cancelled()) return std::nullopt;
    figures.answers.push_back({request, std::move(result), {}});
    steps.Done();
  }

  SensitivityRequest sensitivity;
  sensitivity.metric.past = settings.past;
  figures.sensitivity = RunSensitivity(plan, sensitivity, solveControl);
  if (figures.sensitivity.cancelled) return std::nullopt;
  steps.Done();

  const OddsResult& replays = figures.odds[1].result;
  // The historical model's trial i starts in the history's i-th year.
  const int firstYear = settings.history.years.front().year;
  std::vector<std::pair<int, bool>> starts;
  for (const int start : kReportStressStarts) {
    if (start >= firstYear && start - firstYear < historical->TrialCount()) starts.emplace_back(start, false);
  }
  starts.emplace_back(firstYear + replays.WorstTrial(), true);
  for (const auto& [start, worst] : starts) {
    TrialReplay replay = ReplayTrial(plan, *historical, start - firstYear, settings.past);
    figures.stress.push_back({start, worst, std::move(replay.currentTable), replay.grade});
  }
  steps.Done();
  return figures;
}
