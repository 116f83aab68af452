#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SolveOptions.h"
#include "cli/SolveWords.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
#include "model/ReadableText.h"
#include "solve/Sensitivity.h"
#include "solve/SolveCsv.h"

namespace {

constexpr std::array<const char*, 2> kOwnOptions = {"--metric", "--target"};
constexpr const char* kCommand = "sensitivity";

std::string Change(const SensitivityRequest& request, double change) {
  if (request.odds) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f pt", change);
    return text;
  }
  const std::int64_t dollars = std::llround(change);
  return (dollars > 0 ? "+" : "") + FormatDollars(dollars);
}

std::string FigureWords(const SensitivityRequest& request) {
  if (request.odds) {
    return request.target.kind == TargetKind::NeverNewDebt ? "share of trials that never took new debt"
                                                           : "share of trials whose savings lasted (never borrowed)";
  }
  return MetricName(request.metric) + " in today's dollars";
}

void PrintText(const SolveCliOptions& options, const SensitivityRequest& request, const SensitivityResult& result) {
  std::printf("Plan: %s\n", ReadableText(options.simulate.plan).c_str());
  std::printf("Figure: %s, in the plan %s\n", FigureWords(request).c_str(),
              request.odds ? (std::to_string(std::lround(result.base * 100) / 100.0).substr(0, 5) + " %").c_str()
                           : FormatDollars(std::llround(result.base)).c_str());
  std::puts("Each input one step down and up (amounts 10 %, ages and years 1, rates 1 point), largest swing first:");
  int still = 0;
  for (const SensitivityRow& row : result.rows) {
    if (row.Swing() == 0.0) {
      ++still;
      continue;
    }
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    std::printf("  %14s %14s  %s (%s: %s), %s -> %s / %s\n", Change(request, row.changeDown).c_str(),
                Change(request, row.changeUp).c_str(), label.name, label.page, label.words,
                LeverValueText(row.input, row.value).c_str(), LeverValueText(row.input, row.down).c_str(),
                LeverValueText(row.input, row.up).c_str());
  }
  std::printf("%d inputs change nothing by one step.\n", still);
  std::printf("Forecasts run: %lld in %.0f ms\n", static_cast<long long>(result.forecasts), result.seconds * 1000.0);
}

void PrintJson(const SolveCliOptions& options, const SensitivityRequest& request, const SensitivityResult& result) {
  std::printf("{\"plan\":%s,\"figure\":%s,\"base\":%.6g,\"inputs\":[", JsonQuoted(options.simulate.plan).c_str(),
              JsonQuoted(SensitivityFigureKey(request)).c_str(), result.base);
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    const SensitivityRow& row = result.rows[i];
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    std::printf(
        "%s{\"name\":%s,\"page\":%s,\"words\":%s,\"value\":%s,\"down\":%s,\"up\":%s,\"changeDown\":%.6g,"
        "\"changeUp\":%.6g}",
        i ? "," : "", JsonQuoted(label.name).c_str(), JsonQuoted(label.page).c_str(), JsonQuoted(label.words).c_str(),
        LeverValueNumber(row.input, row.value).c_str(), LeverValueNumber(row.input, row.down).c_str(),
        LeverValueNumber(row.input, row.up).c_str(), row.changeDown, row.changeUp);
  }
  std::printf("],\"forecasts\":%lld,\"milliseconds\":%.0f}\n", static_cast<long long>(result.forecasts),
              result.seconds * 1000.0);
}

}  // namespace

int RunSensitivityCommand(const CliArgs& args) {
  const SolveCliParse parse = ParseSolveCommandLine(args, kOwnOptions, kCommand, kSensitivityUsage);
  if (!parse.options) return parse.status;
  const SolveCliOptions& options = *parse.options;
  PlanRecord plan;
  if (!LoadPlanForCli(options.simulate.plan, options.simulate.overrides, plan)) return 2;
  ReportForecastRules(plan, options.simulate.rules);
  SensitivityRequest request;
  if (options.Has("--metric")) {
    const std::optional<ComparisonMetric> metric = ParseMetric(options.Value("--metric"));
    if (!metric)
      return RefuseInput(kCommand, "--metric: unknown metric \"" + ReadableExcerpt(options.Value("--metric")) + "\"");
    if (options.Has("--odds")) return RefuseInput(kCommand, "with --odds the figure is the share meeting --target");
    request.metric = *metric;
  }
  request.metric.rules = options.simulate.rules;
  if (options.Has("--target")) {
    if (!options.Has("--odds")) return RefuseInput(kCommand, "--target applies with --odds P only");
    std::string error;
    const std::optional<Target> target = ParseTarget(options.Value("--target"), error);
    if (!target) return RefuseInput(kCommand, "--target: " + error);
    request.target = *target;
  }
  int status = 0;
  request.odds = OddsFromOptions(kCommand, options, plan, status);
  if (status != 0) return status;
  if (const std::string problem = SensitivityRequestProblem(request); !problem.empty()) {
    return RefuseInput(kCommand, "--target: " + problem);
  }
  SolveControl control;
  control.progress = ShowSolveProgress;
  const SensitivityResult result = RunSensitivity(plan, request, control);
  EndSolveProgress();
  if (options.csv) {
    std::fputs(SensitivityCsv(request, result).c_str(), stdout);
  } else if (options.json) {
    PrintJson(options, request, result);
  } else {
    PrintText(options, request, result);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return 0;
}
