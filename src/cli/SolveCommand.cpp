#include <array>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SolveOptions.h"
#include "engine/DollarViews.h"
#include "engine/Money.h"
#include "model/JsonText.h"
#include "model/NumberFormat.h"
#include "model/ReadableText.h"
#include "odds/ShortfallLevel.h"
#include "odds/TrialForecast.h"
#include "solve/SolveSummary.h"

namespace {

constexpr std::array<const char*, 5> kOwnOptions = {"--lever", "--target", "--person", "--min", "--max"};
constexpr const char* kCommand = "solve";

void PrintText(const SolveCliOptions& options, const PlanRecord& plan, const SolveRequest& request,
               const SolveResult& result) {
  const Lever& lever = request.lever;
  std::printf("Plan: %s\n", ReadableText(options.simulate.plan).c_str());
  std::printf("Lever: %s (%s), in the plan %s; bounds %s to %s\n", LeverWords(lever).c_str(), lever.name.c_str(),
              LeverValueText(lever, result.planValue).c_str(), LeverValueText(lever, result.bounds.min).c_str(),
              LeverValueText(lever, result.bounds.max).c_str());
  std::printf("Target: %s\n", TargetLine(request).c_str());
  if (result.status == SolveStatus::Solved) {
    std::printf("Answer: %s\n", AnswerLine(request, result).c_str());
    std::printf("Proof: %s\n", ProofLine(request, result).c_str());
    if (!request.odds) std::printf("At the answer: %s\n", ForecastSummary(request, plan, result.answer.value).c_str());
  } else {
    std::printf("No answer: %s\n", result.reason.c_str());
  }
  std::printf("Forecasts run: %lld in %.0f ms\n", static_cast<long long>(result.forecasts), result.seconds * 1000.0);
  if (request.odds) std::puts("These odds come from a model of markets, not from the future: they are not a promise.");
}

std::string OutcomeJson(const SolveRequest& request, const ValueOutcome& outcome) {
  std::string json = "{\"value\":" + LeverValueNumber(request.lever, outcome.value) +
                     ",\"holds\":" + (outcome.holds ? "true" : "false") +
                     ",\"text\":" + JsonQuoted(OutcomeWords(request, outcome));
  if (outcome.odds) {
    json += ",\"trials\":" + std::to_string(outcome.odds->trials);
    json += outcome.odds->complete ? ",\"met\":" + std::to_string(outcome.odds->met) : std::string(",\"met\":null");
  } else {
    json += ",\"year\":" + (outcome.check.year ? std::to_string(outcome.check.year) : std::string("null"));
  }
  return json + "}";
}

void PrintJson(const SolveCliOptions& options, const SolveRequest& request, const SolveResult& result) {
  const Lever& lever = request.lever;
  const bool solved = result.status == SolveStatus::Solved;
  std::printf("{\"plan\":%s,\"lever\":{\"name\":%s,\"words\":%s,\"unit\":%s,\"plan\":%s,\"min\":%s,\"max\":%s},",
              JsonQuoted(options.simulate.plan).c_str(), JsonQuoted(lever.name).c_str(),
              JsonQuoted(LeverWords(lever)).c_str(), JsonQuoted(UnitKey(lever)).c_str(),
              LeverValueNumber(lever, result.planValue).c_str(), LeverValueNumber(lever, result.bounds.min).c_str(),
              LeverValueNumber(lever, result.bounds.max).c_str());
  std::printf("\"target\":{\"key\":%s,\"words\":%s},\"odds\":%s,", JsonQuoted(TargetKey(request.target)).c_str(),
              JsonQuoted(TargetWords(request.target)).c_str(),
              request.odds ? PercentNumber(request.odds->percentHundredths).c_str() : "null");
  std::printf("\"status\":%s,\"answer\":%s,\"atAnswer\":%s,\"atNeighbour\":%s,\"reason\":%s,",
              JsonQuoted(StatusKey(result.status)).c_str(),
              solved ? LeverValueNumber(lever, result.answer.value).c_str() : "null",
              OutcomeJson(request, result.answer).c_str(),
              result.status == SolveStatus::Solved || result.status == SolveStatus::NotMonotone
                  ? OutcomeJson(request, result.neighbour).c_str()
                  : "null",
              solved ? "null" : JsonQuoted(result.reason).c_str());
  std::printf("\"forecasts\":%lld,\"milliseconds\":%.0f}\n", static_cast<long long>(result.forecasts),
              result.seconds * 1000.0);
}

}  // namespace

int RunSolveCommand(const CliArgs& args) {
  const SolveCliParse parse = ParseSolveCommandLine(args, kOwnOptions, kCommand, kSolveUsage);
  if (!parse.options) return parse.status;
  const SolveCliOptions& options = *parse.options;
  if (!options.Has("--lever")) {
    return RefuseInput(kCommand, "--lever is required (spending, retire-age, savings or field:NAME)");
  }
  PlanRecord plan;
  if (!LoadPlanForCli(options.simulate.plan, plan)) return 2;
  int status = 0;
  const std::optional<SolveRequest> request = RequestFromOptions(kCommand, options, plan, "--lever", status);
  if (!request) return status;
  SolveControl control;
  control.progress = ShowSolveProgress;
  const SolveResult result = Solve(plan, *request, control);
  EndSolveProgress();
  if (options.json) {
    PrintJson(options, *request, result);
  } else {
    PrintText(options, plan, *request, result);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return result.status == SolveStatus::Solved ? 0 : 3;
}
