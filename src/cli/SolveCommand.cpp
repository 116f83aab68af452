#include <array>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SolveJson.h"
#include "cli/SolveOptions.h"
#include "engine/DollarViews.h"
#include "engine/Money.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"
#include "model/ReadableText.h"
#include "odds/ShortfallLevel.h"
#include "odds/TrialForecast.h"
#include "solve/SolveAdvice.h"
#include "solve/SolveCsv.h"
#include "solve/SolveSummary.h"

namespace {

constexpr std::array<const char*, 5> kOwnOptions = {"--lever", "--target", "--person", "--min", "--max"};
constexpr const char* kCommand = "solve";

void PrintText(const SolveCliOptions& options, const PlanRecord& plan, const SolveRequest& request,
               const SolveResult& result) {
  const Lever& lever = request.lever;
  std::printf("Plan: %s\n", ReadableText(options.simulate.plan).c_str());
  std::printf("Lever: %s (%s), in the plan %s; bounds %s to %s\n", LeverWords(lever).c_str(), LeverKey(lever).c_str(),
              LeverValueText(lever, result.planValue).c_str(), LeverValueText(lever, result.bounds.min).c_str(),
              LeverValueText(lever, result.bounds.max).c_str());
  std::printf("Target: %s\n", TargetLine(request).c_str());
  if (result.status == SolveStatus::Solved) {
    std::printf("Answer: %s\n", AnswerLine(request, result).c_str());
    std::printf("Proof: %s\n", ProofLine(request, result).c_str());
    if (!request.odds) std::printf("At the answer: %s\n", ForecastSummary(request, plan, result.answer.value).c_str());
    const std::string warning = ContributionLimitWarning(plan, lever, result.answer.value);
    if (!warning.empty()) std::printf("Warning: %s.\n", warning.c_str());
  } else {
    std::printf("No answer: %s\n", result.reason.c_str());
    if (const std::optional<Target> target = MeaningfulTarget(plan, request, result)) {
      std::printf("Suggestion: %s: --target %s\n", MeaningfulTargetWords(plan, request, result).c_str(),
                  TargetKey(*target).c_str());
    }
  }
  std::printf("Forecasts run: %lld in %.0f ms\n", static_cast<long long>(result.forecasts), result.seconds * 1000.0);
  if (request.odds) std::puts("These odds come from a model of markets, not from the future: they are not a promise.");
}

void PrintJson(const SolveCliOptions& options, const PlanRecord& plan, const SolveRequest& request,
               const SolveResult& result) {
  const Lever& lever = request.lever;
  const std::string bounds = ",\"min\":" + LeverValueNumber(lever, result.bounds.min) +
                             ",\"max\":" + LeverValueNumber(lever, result.bounds.max);
  std::printf("{\"plan\":%s,\"lever\":%s,%s,", JsonQuoted(options.simulate.plan).c_str(),
              LeverJson(lever, result.planValue, bounds).c_str(), TargetAndOddsJson(request).c_str());
  std::printf("%s,", ResultJson(request, result).c_str());
  const std::optional<Target> proposed = MeaningfulTarget(plan, request, result);
  std::printf("\"proposedTarget\":%s,", proposed ? JsonQuoted(TargetKey(*proposed)).c_str() : "null");
  const std::string warning =
      result.status == SolveStatus::Solved ? ContributionLimitWarning(plan, request.lever, result.answer.value) : "";
  std::printf("\"limitWarning\":%s,", warning.empty() ? "null" : JsonQuoted(warning).c_str());
  std::printf("\"forecasts\":%lld,\"milliseconds\":%.0f}\n", static_cast<long long>(result.forecasts),
              result.seconds * 1000.0);
}

}  // namespace

int RunSolveCommand(const CliArgs& args) {
  const SolveCliParse parse = ParseSolveCommandLine(args, kOwnOptions, kCommand, kSolveUsage);
  if (!parse.options) return parse.status;
  const SolveCliOptions& options = *parse.options;
  if (!options.Has("--lever")) {
    return RefuseInput(kCommand, "--lever is required (spending, retire-age, claim-age, savings or field:NAME)");
  }
  PlanRecord plan;
  if (!LoadPlanForCli(options.simulate.plan, options.simulate.overrides, plan)) return 2;
  ReportForecastRules(plan, options.simulate.rules);
  int status = 0;
  const std::optional<SolveRequest> request = RequestFromOptions(kCommand, options, plan, "--lever", status);
  if (!request) return status;
  SolveControl control;
  control.progress = ShowSolveProgress;
  const SolveResult result = Solve(plan, *request, control);
  EndSolveProgress();
  if (options.csv) {
    std::fputs(SolveAnswerCsv(*request, result).c_str(), stdout);
  } else if (options.json) {
    PrintJson(options, plan, *request, result);
  } else {
    PrintText(options, plan, *request, result);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return result.status == SolveStatus::Solved ? 0 : 3;
}
