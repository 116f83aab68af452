#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "cli/YearTableOutput.h"
#include "model/PlanRecord.h"

namespace {

struct ForecastOptions {
  std::string plan;
  bool currentDollars = false;
  bool allFields = false;
  std::string rates;  // a rate path's CSV file, or empty for the plan's own rates
  TableFormat format = TableFormat::Text;
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
    return "unknown format";
  }
  return nullptr;
}

const char* StoreRates(ForecastOptions& options, const std::string& path) {
  options.rates = path;
  return nullptr;
}

const CliOption<ForecastOptions> kForecastOptions[] = {
    {.name = "--current-dollars", .flag = &ForecastOptions::currentDollars},
    {.name = "--all-fields", .flag = &ForecastOptions::allFields},
    {.name = "--format", .store = StoreFormat},
    {.name = "--rates", .store = StoreRates},
};

const CommandSyntax<ForecastOptions> kForecastSyntax{
    .usage = kForecastUsage,
    .errorStyle = UsageErrorStyle::UsageOnly,
    .options = kForecastOptions,
    .plan = &ForecastOptions::plan,
    .namesPlan = LacksDash,
};

}  // namespace

int RunForecastCommand(const CliArgs& args) {
  ForecastOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kForecastSyntax, options)) return *status;
  PlanRecord plan;
  ForecastTable table;
  if (!LoadForecastForCli(options.plan, options.currentDollars, plan, table, options.rates)) return 2;

  PrintYearTable(plan, table, options.allFields, options.format);
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the forecast\n", stderr);
    return 2;
  }
  return 0;
}
