#include <array>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/SolveJson.h"
#include "cli/SolveOptions.h"
#include "cli/SolveWords.h"
#include "model/JsonText.h"
#include "model/ReadableText.h"
#include "solve/Frontier.h"
#include "solve/SolveCsv.h"
#include "solve/SolveSummary.h"

namespace {

constexpr std::array<const char*, 9> kOwnOptions = {"--lever",  "--from",   "--to",  "--step", "--solve",
                                                    "--target", "--person", "--min", "--max"};
constexpr const char* kCommand = "frontier";

// The range of the lever stepped along, or the exit status after saying why.
std::optional<FrontierRequest> RangeFromOptions(const SolveCliOptions& options, const PlanRecord& plan,
                                                SolveRequest solve, int& status) {
  std::string error;
  const std::optional<Lever> along = ParseLever(options.Value("--lever"), options.Value("--person", "1"), error);
  if (!along) {
    status = RefuseInput(kCommand, NamingOption("--lever", error));
    return std::nullopt;
  }
  FrontierRequest request{*along, 0, 0, 1, std::move(solve)};
  for (const auto& [name, value] :
       {std::pair{"--from", &request.from}, std::pair{"--to", &request.to}, std::pair{"--step", &request.step}}) {
    if (!options.Has(name)) continue;
    const std::optional<std::int64_t> parsed = ParseLeverValue(*along, options.Value(name));
    if (!parsed) {
      status = RefuseInput(kCommand, std::string(name) + " takes a value of the lever's unit, not \"" +
                                         ReadableExcerpt(options.Value(name)) + "\"");
      return std::nullopt;
    }
    *value = *parsed;
  }
  if (const std::string problem = FrontierProblem(plan, request); !problem.empty()) {
    status = RefuseInput(kCommand, problem);
    return std::nullopt;
  }
  return request;
}

std::string PointText(const SolveRequest& solve, const SolveResult& result) {
  if (result.status != SolveStatus::Solved) return "no answer: " + result.reason;
  return LeverValueText(solve.lever, result.answer.value) + "; one step past it " +
         OutcomeWords(solve, result.neighbour);
}

void PrintText(const SolveCliOptions& options, const FrontierRequest& request, const FrontierResult& frontier) {
  const SolveRequest& solve = request.solve;
  std::printf("Plan: %s\n", ReadableText(options.simulate.plan).c_str());
  std::printf("Along: %s (%s), in the plan %s\n", LeverWords(request.along).c_str(), LeverKey(request.along).c_str(),
              LeverValueText(request.along, frontier.planValue).c_str());
  std::printf("Solved: %s (%s) for: %s\n", LeverWords(solve.lever).c_str(), LeverKey(solve.lever).c_str(),
              TargetLine(solve).c_str());
  for (const FrontierPoint& point : frontier.points) {
    std::printf("  %-16s %s%s\n", LeverValueText(request.along, point.value).c_str(),
                PointText(solve, point.result).c_str(), point.value == frontier.planValue ? "  (the plan)" : "");
  }
  std::printf("Forecasts run: %lld in %.0f ms\n", static_cast<long long>(frontier.forecasts),
              frontier.seconds * 1000.0);
  if (solve.odds) std::puts("These odds come from a model of markets, not from the future: they are not a promise.");
}

void PrintJson(const SolveCliOptions& options, const PlanRecord& plan, const FrontierRequest& request,
               const FrontierResult& frontier) {
  std::printf("{\"plan\":%s,\"along\":%s,\"solve\":%s,%s,\"points\":[", JsonQuoted(options.simulate.plan).c_str(),
              LeverJson(request.along, frontier.planValue).c_str(),
              LeverJson(request.solve.lever, LeverValue(request.solve.lever, plan)).c_str(),
              TargetAndOddsJson(request.solve).c_str());
  for (std::size_t i = 0; i < frontier.points.size(); ++i) {
    const FrontierPoint& point = frontier.points[i];
    std::printf("%s{\"value\":%s,%s}", i ? "," : "", LeverValueNumber(request.along, point.value).c_str(),
                ResultJson(request.solve, point.result).c_str());
  }
  std::printf("],\"forecasts\":%lld,\"milliseconds\":%.0f}\n", static_cast<long long>(frontier.forecasts),
              frontier.seconds * 1000.0);
}

}  // namespace

int RunFrontierCommand(const CliArgs& args) {
  const SolveCliParse parse = ParseSolveCommandLine(args, kOwnOptions, kCommand, kFrontierUsage);
  if (!parse.options) return parse.status;
  const SolveCliOptions& options = *parse.options;
  for (const char* required : {"--lever", "--from", "--to", "--solve"}) {
    if (!options.Has(required)) return RefuseInput(kCommand, std::string(required) + " is required");
  }
  PlanRecord plan;
  if (!LoadPlanForCli(options.simulate.plan, options.simulate.overrides, plan)) return 2;
  ReportForecastRules(plan, options.simulate.rules);
  int status = 0;
  std::optional<SolveRequest> solve = RequestFromOptions(kCommand, options, plan, "--solve", status);
  if (!solve) return status;
  const std::optional<FrontierRequest> request = RangeFromOptions(options, plan, std::move(*solve), status);
  if (!request) return status;
  SolveControl control;
  control.progress = ShowSolveProgress;
  const FrontierResult frontier = RunFrontier(plan, *request, control);
  EndSolveProgress();
  if (options.csv) {
    std::fputs(FrontierCsv(*request, frontier).c_str(), stdout);
  } else if (options.json) {
    PrintJson(options, plan, *request, frontier);
  } else {
    PrintText(options, *request, frontier);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return 0;
}
