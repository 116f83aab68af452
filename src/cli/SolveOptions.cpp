#include "cli/SolveOptions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>

#include "cli/HistorySource.h"
#include "cli/PlanOverrides.h"
#include "cli/ProgressLine.h"
#include "cli/RuleOptions.h"
#include "cli/SolveWords.h"
#include "model/ReadableText.h"

namespace {

// simulate's options that describe one run's output, not the odds.
const std::set<std::string> kOutputOnly = {"--trial", "--all-fields", "--current-dollars"};

// Read as every other number of the command line (no hex, no blanks), in
// whole hundredths of a percent.
std::optional<std::int64_t> PercentHundredths(const std::string& text) {
  long double value = 0.0L;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !(value >= 0.01L && value <= 100.0L)) return std::nullopt;
  return std::llround(value * 100.0L);
}

}  // namespace

std::string NamingOption(const std::string& option, const std::string& error) {
  return error.starts_with("--") ? error : option + ": " + error;
}

std::string SolveCliOptions::Value(const std::string& name, const std::string& otherwise) const {
  const auto found = values.find(name);
  return found == values.end() ? otherwise : found->second;
}

SolveCliParse ParseSolveCommandLine(const CliArgs& args, std::span<const char* const> own, const char* command,
                                    const char* usage) {
  const auto fail = [&](const std::string& reason) {
    std::fprintf(stderr, "prevora-cli %s: %s\nUsage: %s\n", command, reason.c_str(), usage);
    return SolveCliParse{std::nullopt, 1};
  };
  std::set<std::string> valued(own.begin(), own.end());
  valued.insert({"--odds", "--format"});
  SolveCliOptions options;
  CliArgs rest;
  bool simulateOptions = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (valued.count(args[i]) > 0) {
      if (i + 1 >= args.size()) return fail(args[i] + " needs a value");
      options.values[args[i]] = args[i + 1];
      ++i;
      continue;
    }
    if (kOutputOnly.count(args[i]) > 0) return fail(args[i] + " does not apply to " + command);
    if (args[i].starts_with("-") && !FindRuleOption(args[i]) && !FindPlanOverride(args[i])) simulateOptions = true;
    rest.push_back(args[i]);
  }
  const SimulateParse simulate = ParseSimulateOptions(rest);
  if (!simulate.options) return fail(simulate.error);
  options.simulate = *simulate.options;
  if (!options.simulate.rates.empty()) return fail("--rates applies to simulate only");
  if (simulateOptions && !options.Has("--odds")) return fail("the odds' settings apply with --odds P only");
  const std::string format = options.Value("--format", "text");
  if (format != "text" && format != "json" && format != "csv") return fail("--format takes text, json or csv");
  options.json = format == "json";
  options.csv = format == "csv";
  return {options, 0};
}

int RefuseInput(const char* command, const std::string& reason) {
  std::fprintf(stderr, "prevora-cli %s: %s\n", command, reason.c_str());
  return 2;
}

std::optional<SolveOdds> OddsFromOptions(const char* command, const SolveCliOptions& options, const PlanRecord& plan,
                                         int& status) {
  if (!options.Has("--odds")) return std::nullopt;
  const std::optional<std::int64_t> percent = PercentHundredths(options.Value("--odds"));
  if (!percent) {
    status = RefuseInput(command, "--odds takes a percentage from 0.01 to 100, not \"" +
                                      ReadableExcerpt(options.Value("--odds")) + "\"");
    return std::nullopt;
  }
  const SimulateOptions& simulate = options.simulate;
  SolveOdds odds;
  odds.percentHundredths = *percent;
  odds.threads = simulate.threads;
  std::shared_ptr<const MarketHistory> data;
  if (simulate.model != MarketModelKind::MonteCarlo) {
    std::optional<HistorySource> source = LoadHistoryForCli(simulate.history);
    if (!source) {
      status = 2;
      return std::nullopt;
    }
    data = std::make_shared<const MarketHistory>(std::move(source->history));
  }
  const MarketModelBuild build = BuildMarketModelForPlans(plan, simulate, data, odds.model);
  if (!build.model) {
    status = RefuseInput(command, build.problem);
    return std::nullopt;
  }
  return odds;
}

std::optional<SolveRequest> RequestFromOptions(const char* command, const SolveCliOptions& options,
                                               const PlanRecord& plan, const std::string& leverOption, int& status) {
  std::string error;
  const std::optional<Lever> lever = ParseLever(options.Value(leverOption), options.Value("--person", "1"), error);
  if (!lever) {
    status = RefuseInput(command, NamingOption(leverOption, error));
    return std::nullopt;
  }
  const std::optional<Target> target = ParseTarget(options.Value("--target", TargetKey(Target{})), error);
  if (!target) {
    status = RefuseInput(command, NamingOption("--target", error));
    return std::nullopt;
  }
  SolveRequest request(*lever, *target);
  request.rules = options.simulate.rules;
  for (const auto& [name, bound] : {std::pair{"--min", &request.min}, std::pair{"--max", &request.max}}) {
    if (!options.Has(name)) continue;
    *bound = ParseLeverValue(*lever, options.Value(name));
    if (!*bound) {
      status = RefuseInput(command, std::string(name) + " takes a value of the lever's unit, not \"" +
                                        ReadableExcerpt(options.Value(name)) + "\"");
      return std::nullopt;
    }
  }
  request.odds = OddsFromOptions(command, options, plan, status);
  if (status != 0) return std::nullopt;
  if (const std::string problem = SolveRequestProblem(plan, request); !problem.empty()) {
    status = RefuseInput(command, problem);
    return std::nullopt;
  }
  return request;
}

void EndSolveProgress() { EndProgressLine(); }

void ShowSolveProgress(std::int64_t forecasts) {
  ShowProgressLine("Solving: " + std::to_string(forecasts) + " forecasts");
}
