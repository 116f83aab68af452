#include <unistd.h>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/HistorySource.h"
#include "cli/Commands.h"
#include "cli/SimulateOptions.h"
#include "cli/SimulateReport.h"
#include "cli/YearTableOutput.h"
#include "odds/OddsRunner.h"
#include "odds/TrialForecast.h"

namespace {

int UsageError(const std::string& message) {
  std::fprintf(stderr, "prevora-cli simulate: %s\nUsage: %s\n", message.c_str(), kSimulateUsage);
  return 1;
}

// The model the options ask for, or nothing after saying why on stderr;
// `status` is the exit status to give then. `history` receives the history a
// historical or bootstrap model runs on.
std::unique_ptr<PathModel> BuildModel(const SimulateOptions& options, const PlanRecord& plan,
                                      std::optional<HistorySource>& history, int& status) {
  if (options.model == OddsModelKind::MonteCarlo) {
    const std::string problem = MonteCarloModel::SettingsProblem(options.monteCarlo);
    if (!problem.empty()) {
      status = UsageError(problem);
      return nullptr;
    }
    if (options.rates.empty()) return std::make_unique<MonteCarloModel>(plan, options.monteCarlo);
    const std::optional<RatePathRead> read = ReadRatesForCli(options.rates, plan, RowCount(plan));
    if (!read) {
      status = 2;
      return nullptr;
    }
    return std::make_unique<MonteCarloModel>(plan, options.monteCarlo, RatesOfFileFor(*read, plan));
  }
  if (!options.rates.empty()) {
    std::fputs("prevora-cli simulate: --rates sets the Monte Carlo model's means; the historical and bootstrap\n"
               "models replay the history's own rates\n",
               stderr);
    status = 2;
    return nullptr;
  }
  history = LoadHistoryForCli(options.history);
  if (!history) {
    status = 2;
    return nullptr;
  }
  if (options.model == OddsModelKind::Bootstrap) {
    const BootstrapSettings settings = BootstrapSettingsOf(options);
    const std::string problem = BootstrapModel::SettingsProblem(history->history, settings);
    if (!problem.empty()) {
      status = UsageError(problem);
      return nullptr;
    }
    return std::make_unique<BootstrapModel>(plan, history->history, settings);
  }
  const std::string problem = HistoricalModel::SettingsProblem(plan, history->history, options.historical);
  if (!problem.empty()) {
    status = UsageError(problem);
    return nullptr;
  }
  return std::make_unique<HistoricalModel>(plan, history->history, options.historical);
}

TableFormat TableFormatOf(SimulateFormat format) {
  switch (format) {
    case SimulateFormat::Json:
      return TableFormat::Json;
    case SimulateFormat::Csv:
      return TableFormat::Csv;
    case SimulateFormat::Tsv:
      return TableFormat::Tsv;
    case SimulateFormat::Text:
      break;
  }
  return TableFormat::Text;
}

// A progress line for a person watching; redirected output stays clean.
void ShowProgress(int done, int total) {
  std::fprintf(stderr, "\rSimulating: %d of %d trials", done, total);
  if (done == total) std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
}

int PrintTrial(const SimulateOptions& options, const PlanRecord& plan, const PathModel& model) {
  if (options.trial > model.TrialCount()) {
    return UsageError("--trial must be between 1 and " + std::to_string(model.TrialCount()));
  }
  const TrialReplay replay = ReplayTrial(plan, model, options.trial - 1, options.rules);
  const ForecastTable& table = options.currentDollars ? replay.currentTable : replay.table;
  PrintYearTable(plan, table, options.allFields, TableFormatOf(options.format));
  return 0;
}

}  // namespace

int RunSimulateCommand(const CliArgs& args) {
  const SimulateParse parse = ParseSimulateOptions(args);
  if (!parse.options) return UsageError(parse.error);
  const SimulateOptions& options = *parse.options;
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, plan)) return 2;
  ReportForecastRules(plan, options.rules);
  int status = 0;
  std::optional<HistorySource> history;
  const std::unique_ptr<PathModel> model = BuildModel(options, plan, history, status);
  if (!model) return status;

  if (options.trial > 0) {
    status = PrintTrial(options, plan, *model);
  } else {
    OddsRunControl control;
    control.threads = options.threads;
    control.rules = options.rules;
    if (isatty(STDERR_FILENO)) control.progress = ShowProgress;
    const std::optional<OddsResult> result = RunOdds(plan, *model, control);
    if (!result) return 2;
    const SimulateSource source{history ? &*history : nullptr, dynamic_cast<const HistoricalModel*>(model.get())};
    PrintSimulateReport(options, *result, source);
  }
  if (status == 0 && std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return status;
}
