#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistoryStartOption.h"
#include "compare/Comparison.h"
#include "compare/ComparisonReport.h"
#include "model/PlanRecord.h"

namespace {

enum class DiffFormat { Text, Json, Csv };

struct DiffOptions {
  std::string base;
  std::string other;
  ComparisonOptions comparison;
  std::string rates;  // a rate file both plans run on, or empty
  HistoryStartOption historyStart;
  DiffFormat format = DiffFormat::Text;
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

std::optional<DiffOptions> ParseDiffOptions(const CliArgs& args) {
  DiffOptions options;
  ForecastRules rules;
  std::size_t plans = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--current-dollars") {
      options.comparison.currentDollars = true;
    } else if (arg == "--metric" && hasValue) {
      const auto metric = ParseMetric(args[++i]);
      if (!metric) return std::nullopt;
      options.comparison.metric = *metric;
    } else if (arg == "--attribution" && hasValue) {
      const auto method = ParseMethod(args[++i]);
      if (!method) return std::nullopt;
      options.comparison.method = method;
    } else if (arg == "--rates" && hasValue && !args[i + 1].empty()) {
      options.rates = args[++i];
    } else if (arg == "--history-start" && hasValue && !args[i + 1].empty()) {
      options.historyStart.year = args[++i];
    } else if (arg == "--history" && hasValue && !args[i + 1].empty()) {
      options.historyStart.history = args[++i];
    } else if (arg == "--past-inflation" && hasValue) {
      if (!ParsePastInflation(args[++i], rules.past)) return std::nullopt;
    } else if (arg == "--tax-rules" && hasValue) {
      if (!ParseTaxRules(args[++i], rules.taxes)) return std::nullopt;
    } else if (arg == "--format" && hasValue) {
      const auto format = ParseFormat(args[++i]);
      if (!format) return std::nullopt;
      options.format = *format;
    } else if (!arg.empty() && arg[0] != '-' && plans < 2) {
      (plans++ == 0 ? options.base : options.other) = arg;
    } else {
      return std::nullopt;
    }
  }
  if (plans != 2) return std::nullopt;
  options.comparison.metric.rules = rules;
  // One rate path for both plans: a file or a history start, and --history only with a start.
  if (!options.rates.empty() && options.historyStart.Given()) return std::nullopt;
  if (!options.historyStart.history.empty() && !options.historyStart.Given()) return std::nullopt;
  return options;
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
    options.comparison.metric.rates = [history, year = run->startYear](const PlanRecord& plan) {
      return HistoryStartRates(plan, *history, year).rates;
    };
  }
  return true;
}

}  // namespace

int RunDiffCommand(const CliArgs& args) {
  std::optional<DiffOptions> options = ParseDiffOptions(args);
  if (!options) {
    std::fprintf(stderr, "Usage: %s\n", kDiffUsage);
    return 1;
  }
  PlanRecord base;
  PlanRecord other;
  if (!LoadPlanForCli(options->base, base) || !LoadPlanForCli(options->other, other)) return 2;
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
