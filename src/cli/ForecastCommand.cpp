#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistoryStartOption.h"
#include "cli/OptionTable.h"
#include "cli/YearTableOutput.h"
#include "model/PlanRecord.h"

namespace {

struct ForecastOptions {
  std::string plan;
  bool currentDollars = false;
  bool allFields = false;
  std::string rates;  // a rate path's CSV file, or empty for the plan's own rates
  HistoryStartOption historyStart;
  TableFormat format = TableFormat::Text;
  ForecastRules rules;
  PlanOverrides overrides;
};

const char* StoreFormat(ForecastOptions& options, const std::string& format) {
  if (format == "text") {
    options.format = TableFormat::Text;
  } else if (format == "tsv") {
    options.format = TableFormat::Tsv;
  } else if (format == "csv") {
    options.format = TableFormat::Csv;
  } else if (format == "json") {
    options.format = TableFormat::Json;
  } else {
    return "--format takes text, tsv, csv or json";
  }
  return nullptr;
}

const char* StoreRates(ForecastOptions& options, const std::string& path) {
  options.rates = path;
  return path.empty() ? "--rates needs a file" : nullptr;
}

const CliOption<ForecastOptions> kForecastOptions[] = {
    {.name = "--current-dollars", .flag = &ForecastOptions::currentDollars},
    {.name = "--all-fields", .flag = &ForecastOptions::allFields},
    {.name = "--format", .store = StoreFormat},
    {.name = "--rates", .store = StoreRates},
    {.name = "--history-start", .store = StoreHistoryStartYear<ForecastOptions>},
    {.name = "--history", .store = StoreHistoryFile<ForecastOptions>},
    {.name = "--start-at", .store = StoreStartAt<ForecastOptions>},
};

const CommandSyntax<ForecastOptions> kForecastSyntax{
    .usage = kForecastUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kForecastOptions,
    .plan = &ForecastOptions::plan,
    .namesPlan = LacksDash,
    .missing = "a plan is required",
};

// The plan run on a history from a start year on; the note says which and
// whether the years wrap, under a text table and on stderr beside the others.
int RunHistoryStart(const ForecastOptions& options) {
  if (!options.rates.empty())
    return ReportUsageError(kForecastSyntax.errorStyle, kForecastUsage,
                            "--rates and --history-start exclude each other");
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, options.overrides, plan)) return 2;
  int status = 0;
  const std::optional<HistoryStartRun> run = HistoryStartForCli(plan, options.historyStart, status);
  if (!run) return status;
  ForecastTable table;
  ReportForecastRules(plan, options.rules);
  RatePath rates = WithRules(run->start.rates, options.rules, plan);
  RunForecastForCli(plan, rates, options.currentDollars, table);
  PrintYearTable(plan, table, options.allFields, options.rules.taxes, options.format, options.currentDollars);
  const std::string note = HistoryStartNote(*run);
  if (options.format == TableFormat::Text) {
    std::printf("\n%s\n", note.c_str());
  } else {
    std::fprintf(stderr, "prevora-cli: %s\n", note.c_str());
  }
  return 0;
}

}  // namespace

int RunForecastCommand(const CliArgs& args) {
  ForecastOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kForecastSyntax, options)) return *status;
  if (options.historyStart.Given()) {
    if (const int status = RunHistoryStart(options); status != 0) return status;
  } else if (const std::string orphan = options.historyStart.Orphan(); !orphan.empty()) {
    return ReportUsageError(kForecastSyntax.errorStyle, kForecastUsage, orphan);
  } else {
    PlanRecord plan;
    ForecastTable table;
    if (!LoadForecastForCli(options.plan, options.overrides, options.currentDollars, plan, table, options.rules,
                            options.rates))
      return 2;
    PrintYearTable(plan, table, options.allFields, options.rules.taxes, options.format, options.currentDollars);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the forecast\n", stderr);
    return 2;
  }
  return 0;
}
