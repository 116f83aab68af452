#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "compare/Comparison.h"
#include "compare/ComparisonReport.h"
#include "model/PlanRecord.h"

namespace {

enum class DiffFormat { Text, Json, Csv };

struct DiffOptions {
  std::string base;
  std::string other;
  ComparisonOptions comparison;
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
  return options;
}

}  // namespace

int RunDiffCommand(const CliArgs& args) {
  const std::optional<DiffOptions> options = ParseDiffOptions(args);
  if (!options) {
    std::fprintf(stderr, "Usage: %s\n", kDiffUsage);
    return 1;
  }
  PlanRecord base;
  PlanRecord other;
  if (!LoadPlanForCli(options->base, base) || !LoadPlanForCli(options->other, other)) return 2;

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
