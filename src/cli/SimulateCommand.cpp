#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistorySource.h"
#include "cli/ProgressLine.h"
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
std::shared_ptr<const PathModel> BuildModel(const SimulateOptions& options, const PlanRecord& plan,
                                            std::optional<HistorySource>& history, int& status) {
  std::optional<RatePath> means;
  std::shared_ptr<const MarketHistory> data;
  if (options.model == MarketModelKind::MonteCarlo) {
    if (!options.rates.empty()) {
      const std::optional<RatePathRead> read = ReadRatesForCli(options.rates, plan, RowCount(plan));
      if (!read) {
        status = 2;
        return nullptr;
      }
      means = RatesOfFileFor(*read, plan);
    }
  } else if (!options.rates.empty()) {
    std::fputs("prevora-cli simulate: --rates sets the Monte Carlo model's means; the historical and bootstrap\n"
               "models replay the history's own rates\n",
               stderr);
    status = 2;
    return nullptr;
  } else {
    history = LoadHistoryForCli(options.history);
    if (!history) {
      status = 2;
      return nullptr;
    }
    data = std::make_shared<const MarketHistory>(history->history);
  }
  const MarketModelBuild build = BuildMarketModel(plan, options, data, means ? &*means : nullptr);
  if (!build.model) status = UsageError(build.problem);
  return build.model;
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

void ShowProgress(int done, int total) {
  if (done == total) {
    EndProgressLine();
  } else {
    ShowProgressLine("Simulating: " + std::to_string(done) + " of " + std::to_string(total) + " trials");
  }
}

int PrintTrial(const SimulateOptions& options, const PlanRecord& plan, const PathModel& model) {
  if (options.trial > model.TrialCount()) {
    return UsageError("--trial must be between 1 and " + std::to_string(model.TrialCount()));
  }
  const TrialReplay replay = ReplayTrial(plan, model, options.trial - 1, options.rules);
  const ForecastTable& table = options.currentDollars ? replay.currentTable : replay.table;
  PrintYearTable(plan, table, options.allFields, options.rules.taxes, TableFormatOf(options.format), options.currentDollars);
  return 0;
}

}  // namespace

int RunSimulateCommand(const CliArgs& args) {
  const SimulateParse parse = ParseSimulateOptions(args);
  if (!parse.options) return UsageError(parse.error);
  const SimulateOptions& options = *parse.options;
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, options.overrides, plan)) return 2;
  ReportForecastRules(plan, options.rules);
  int status = 0;
  std::optional<HistorySource> history;
  const std::shared_ptr<const PathModel> model = BuildModel(options, plan, history, status);
  if (!model) return status;

  if (options.trial > 0) {
    status = PrintTrial(options, plan, *model);
  } else {
    OddsRunControl control;
    control.threads = options.threads;
    control.rules = options.rules;
    control.progress = ShowProgress;
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
