#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "engine/Explanation.h"
#include "cli/HistoryStartOption.h"
#include "engine/ForecastColumns.h"
#include "model/PlanRecord.h"

namespace {

struct ExplainOptions {
  std::string plan;
  std::string year;
  std::string field;
  bool currentDollars = false;
  int depth = 1;
  bool json = false;
  std::string rates;  // a rate file, or empty for the plan's own rates
  HistoryStartOption historyStart;
  ForecastRules rules;
};

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const char* StoreYear(ExplainOptions& options, const std::string& year) {
  if (!WholeNumber(year)) return "--year takes a calendar year, e.g. 2040";
  options.year = year;
  return nullptr;
}

const char* StoreField(ExplainOptions& options, const std::string& field) {
  options.field = field;
  return nullptr;
}

const char* StoreDepth(ExplainOptions& options, const std::string& depth) {
  const std::optional<int> value = WholeNumber(depth);
  if (!value || *value < 0) return "--depth takes a whole number: 1 for the cell's own terms, 0 for no limit";
  options.depth = *value;
  return nullptr;
}

const char* StoreFormat(ExplainOptions& options, const std::string& format) {
  if (format != "text" && format != "json") return "--format takes text or json";
  options.json = format == "json";
  return nullptr;
}

const CliOption<ExplainOptions> kExplainOptions[] = {
    {.name = "--year", .store = StoreYear},
    {.name = "--field", .store = StoreField},
    {.name = "--current-dollars", .flag = &ExplainOptions::currentDollars},
    {.name = "--depth", .store = StoreDepth},
    {.name = "--format", .store = StoreFormat},
    {.name = "--rates",
     .store = [](ExplainOptions& options, const std::string& path) -> const char* {
       options.rates = path;
       return path.empty() ? "--rates needs a file" : nullptr;
     }},
    {.name = "--history-start",
     .store = [](ExplainOptions& options, const std::string& year) -> const char* {
       options.historyStart.year = year;
       return year.empty() ? "--history-start needs a year" : nullptr;
     }},
    {.name = "--history",
     .store = [](ExplainOptions& options, const std::string& path) -> const char* {
       options.historyStart.history = path;
       return path.empty() ? "--history needs a file" : nullptr;
     }},
    {.name = "--past-inflation", .store = StorePastInflation<ExplainOptions>},
    {.name = "--tax-rules", .store = StoreTaxRules<ExplainOptions>},
};

const CommandSyntax<ExplainOptions> kExplainSyntax{
    .usage = kExplainUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kExplainOptions,
    .plan = &ExplainOptions::plan,
    .namesPlan = LacksDoubleDash,
    .required = &ExplainOptions::year,
    .missing = "a plan, --year and --field are required",
};

int Refuse(const std::string& reason) {
  std::fprintf(stderr, "prevora-cli: %s\n", reason.c_str());
  return 2;
}

int SlotOfName(const std::string& name) {
  for (int slot = 0; slot < kYearFieldCount; ++slot) {
    if (name == kForecastColumns[static_cast<std::size_t>(slot)].name) return slot;
  }
  return -1;
}

}  // namespace

int RunExplainCommand(const CliArgs& args) {
  ExplainOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kExplainSyntax, options)) return *status;
  if (options.field.empty()) return ReportUsageError(kExplainSyntax.errorStyle, kExplainUsage, kExplainSyntax.missing);
  const int slot = SlotOfName(options.field);
  if (slot < 0) {
    return Refuse("unknown field '" + options.field + "'; the fields are the header of forecast --all-fields");
  }
  if (!options.rates.empty() && options.historyStart.Given()) {
    return ReportUsageError(kExplainSyntax.errorStyle, kExplainUsage, "--rates and --history-start exclude each other");
  }
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, plan)) return 2;
  RatePath rates = RatePath::FromPlan(plan);
  if (!options.rates.empty()) {
    const std::optional<RatePathRead> read = ReadRatesForCli(options.rates, plan, RowCount(plan));
    if (!read) return 2;
    rates = RatesOfFileFor(*read, plan);
  } else if (options.historyStart.Given()) {
    int status = 0;
    const std::optional<HistoryStartRun> run = HistoryStartForCli(plan, options.historyStart, status);
    if (!run) return status;
    rates = run->start.rates;
  }
  ReportForecastRules(plan, options.rules);
  const ExplainedForecast explained(plan, WithRules(rates, options.rules));
  const std::int64_t first = plan.CurrentYear;
  const std::int64_t last = first + explained.Rows() - 1;
  const std::int64_t year = *WholeNumber(options.year);
  if (year < first || year > last) {
    return Refuse("the forecast runs from " + std::to_string(first) + " to " + std::to_string(last) + ", not " +
                  options.year);
  }
  const Explanation explanation =
      explained.Explain(static_cast<int>(year - first + 1), slot, options.currentDollars, options.depth);
  const std::string text = options.json ? ExplanationJson(explanation) : ExplanationText(explanation);
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0)
    return Refuse("could not write the explanation");
  return 0;
}
