#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistoryStartOption.h"
#include "cli/OptionTable.h"
#include "cli/PlanOverrides.h"
#include "cli/RuleOptions.h"
#include "compare/Comparison.h"
#include "compare/ComparisonReport.h"
#include "model/PlanRecord.h"
#include "model/ReadableText.h"

namespace {

enum class DiffFormat { Text, Json, Csv };

struct DiffOptions {
  std::string base;
  std::string other;
  ComparisonOptions comparison;
  std::string rates;  // a rate file both plans run on, or empty
  HistoryStartOption historyStart;
  DiffFormat format = DiffFormat::Text;
  // Written into both plans, as the rules and rates apply to both: the
  // comparison then shows what the files' differences do under them.
  PlanOverrides overrides;
};

std::optional<DiffFormat> ParseFormat(const std::string& text) {
  if (text == "text") return DiffFormat::Text;
  if (text == "json") return DiffFormat::Json;
  if (text == "csv") return DiffFormat::Csv;
  return std::nullopt;
}

std::optional<AttributionMethod> ParseMethod(const std::string& text) {
  if (text == "sequential") return AttributionMethod::Sequential;
  if (text == "shapley") return AttributionMethod::Shapley;
  return std::nullopt;
}

// The options, or why the arguments are refused.
struct DiffParse {
  std::optional<DiffOptions> options;
  std::string error;
};

DiffParse ParseDiffOptions(const CliArgs& args) {
  DiffOptions options;
  ForecastRules rules;
  std::size_t plans = 0;
  const auto refuse = [](const std::string& reason) { return DiffParse{std::nullopt, reason}; };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const RuleOption* rule = FindRuleOption(arg);
    const PlanOverrideOption* planOverride = FindPlanOverride(arg);
    const bool valued = arg == "--metric" || arg == "--attribution" || arg == "--rates" || arg == "--history-start" ||
                        arg == "--history" || arg == "--start-at" || rule || planOverride || arg == "--format";
    if (valued && i + 1 == args.size()) return refuse(arg + " needs a value");
    const std::string value = valued ? args[++i] : std::string();
    if (arg == "--current-dollars") {
      options.comparison.currentDollars = true;
    } else if (arg == "--metric") {
      const auto metric = ParseMetric(value);
      if (!metric)
        return refuse("--metric takes a year-table field, NAME:last or NAME:sum, not '" + ReadableExcerpt(value) + "'");
      options.comparison.metric = *metric;
    } else if (arg == "--attribution") {
      const auto method = ParseMethod(value);
      if (!method) return refuse("--attribution takes sequential or shapley");
      options.comparison.method = method;
    } else if (rule) {
      if (!rule->store(value, rules)) return refuse(rule->refusal);
    } else if (planOverride) {
      if (std::string refusal = planOverride->store(value, options.overrides); !refusal.empty()) return refuse(refusal);
    } else if (valued && value.empty() && arg != "--format" && arg != "--start-at") {
      return refuse(arg + (arg == "--history-start" ? " needs a year" : " needs a file"));
    } else if (arg == "--rates") {
      options.rates = value;
    } else if (arg == "--history-start") {
      options.historyStart.year = value;
    } else if (arg == "--history") {
      options.historyStart.history = value;
    } else if (arg == "--start-at") {
      if (const char* refusal = StoreSequenceStart(options.historyStart, value)) return refuse(refusal);
    } else if (arg == "--format") {
      const auto format = ParseFormat(value);
      if (!format) return refuse("--format takes text, json or csv");
      options.format = *format;
    } else if (!arg.empty() && arg[0] != '-' && plans < 2) {
      (plans++ == 0 ? options.base : options.other) = arg;
    } else {
      return refuse("unexpected argument '" + EchoedArgument(arg) + "'");
    }
  }
  if (plans != 2) return refuse("two plans are required");
  options.comparison.metric.rules = rules;
  // One rate path for both plans: a file or a history start, and --history only with a start.
  if (!options.rates.empty() && options.historyStart.Given())
    return refuse("--rates and --history-start exclude each other");
  if (const std::string orphan = options.historyStart.Orphan(); !orphan.empty()) return refuse(orphan);
  return {options, {}};
}

// Puts both plans (and every mix an attribution tries) on the rates asked
// for, each from its own current year; false after saying why on stderr.
bool ChooseRates(DiffOptions& options, const PlanRecord& base, const PlanRecord& other, int& status) {
  status = 2;
  if (!options.rates.empty()) {
    const std::optional<RatePathRead> read =
        ReadRatesForCli(options.rates, base, std::max(RowCount(base), RowCount(other)));
    if (!read) return false;
    options.comparison.metric.rates = [read = *read](const PlanRecord& plan) { return RatesOfFileFor(read, plan); };
  } else if (options.historyStart.Given()) {
    const std::optional<HistoryStartRun> run = HistoryStartForCli(base, options.historyStart, status);
    if (!run) return false;
    std::fprintf(stderr, "prevora-cli: %s\n", HistoryStartNote(*run).c_str());
    auto history = std::make_shared<const MarketHistory>(run->source.history);
    options.comparison.metric.rates = [history, year = run->startYear,
                                       at = options.historyStart.at](const PlanRecord& plan) {
      return HistoryStartRates(plan, *history, year, at).rates;
    };
  }
  return true;
}

}  // namespace

int RunDiffCommand(const CliArgs& args) {
  DiffParse parse = ParseDiffOptions(args);
  std::optional<DiffOptions>& options = parse.options;
  if (!options) return ReportUsageError(UsageErrorStyle::ReasonAndUsage, kDiffUsage, parse.error);
  PlanRecord base;
  PlanRecord other;
  if (!LoadPlanForCli(options->base, options->overrides, base) ||
      !LoadPlanForCli(options->other, options->overrides, other))
    return 2;
  if (int status = 0; !ChooseRates(*options, base, other, status)) return status;
  ReportForecastRules(base, options->comparison.metric.rules);

  const Comparison comparison = ComparePlans(base, other, options->comparison);
  std::string out;
  switch (options->format) {
    case DiffFormat::Text:
      out = ComparisonText(comparison, options->base, options->other);
      break;
    case DiffFormat::Json:
      out = ComparisonJson(comparison, options->base, options->other);
      break;
    case DiffFormat::Csv:
      out = ComparisonCsv(comparison);
      break;
  }
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the comparison\n", stderr);
    return 2;
  }
  return 0;
}
