#include <cstdio>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/YearTableOutput.h"
#include "engine/DollarViews.h"
#include "engine/Forecast.h"
#include "model/PlanFile.h"

namespace {

struct Options {
  std::string plan;
  bool currentDollars = false;
  bool allFields = false;
  TableFormat format = TableFormat::Text;
};

std::optional<Options> ParseOptions(const CliArgs& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--current-dollars") {
      options.currentDollars = true;
    } else if (arg == "--all-fields") {
      options.allFields = true;
    } else if (arg == "--format" && i + 1 < args.size()) {
      const std::string& format = args[++i];
      if (format == "text") {
        options.format = TableFormat::Text;
      } else if (format == "tsv") {
        options.format = TableFormat::Tsv;
      } else if (format == "csv") {
        options.format = TableFormat::Csv;
      } else {
        return std::nullopt;
      }
    } else if (!arg.empty() && arg[0] != '-' && options.plan.empty()) {
      options.plan = arg;
    } else {
      return std::nullopt;
    }
  }
  if (options.plan.empty()) return std::nullopt;
  return options;
}

}  // namespace

int RunForecastCommand(const CliArgs& args) {
  const std::optional<Options> options = ParseOptions(args);
  if (!options) {
    std::fprintf(stderr, "Usage: %s\n", kForecastUsage);
    return 1;
  }
  PlanRecord plan;
  const PlanFileResult result = ReadPlanFile(plan, options->plan);
  if (result.missing) {
    std::fprintf(stderr, "prevora-cli: there is no plan file \"%s\"\n", options->plan.c_str());
    return 2;
  }
  if (!result.ok) {
    std::fprintf(stderr, "prevora-cli: %s\n", result.message.c_str());
    return 2;
  }
  ForecastTable table;
  RunForecast(plan, table);
  if (options->currentDollars) ToCurrentDollars(plan, table);

  PrintYearTable(plan, table, options->allFields, options->format);
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the forecast\n", stderr);
    return 2;
  }
  return 0;
}
