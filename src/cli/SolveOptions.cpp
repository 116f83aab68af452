#include "cli/SolveOptions.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <set>

#include "cli/HistorySource.h"
#include "odds/BootstrapModel.h"
#include "odds/HistoricalModel.h"
#include "odds/MonteCarloModel.h"

namespace {

// simulate's options that describe one run's output, not the odds.
const std::set<std::string> kOutputOnly = {"--trial", "--all-fields", "--current-dollars"};

std::optional<std::int64_t> PercentHundredths(const std::string& text) {
  std::size_t used = 0;
  double value = 0.0;
  try {
    value = std::stod(text, &used);
  } catch (...) {
    return std::nullopt;
  }
  if (used != text.size() || !std::isfinite(value) || value <= 0.0 || value > 100.0) return std::nullopt;
  return static_cast<std::int64_t>(std::llround(value * 100.0));
}

}  // namespace

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
    if (args[i].starts_with("-") && args[i] != "--past-inflation" && args[i] != "--tax-rules") simulateOptions = true;
    rest.push_back(args[i]);
  }
  const SimulateParse simulate = ParseSimulateOptions(rest);
  if (!simulate.options) return fail(simulate.error);
  options.simulate = *simulate.options;
  if (!options.simulate.rates.empty()) return fail("--rates applies to simulate only");
  if (simulateOptions && !options.Has("--odds")) return fail("the odds' settings apply with --odds P only");
  const std::string format = options.Value("--format", "text");
  if (format != "text" && format != "json") return fail("--format takes text or json");
  options.json = format == "json";
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
  if (!percent || *percent <= 0) {
    status = RefuseInput(command, "--odds takes a percentage above 0 and at most 100, not \"" +
                                      options.Value("--odds") + "\"");
    return std::nullopt;
  }
  const SimulateOptions& simulate = options.simulate;
  SolveOdds odds;
  odds.percentHundredths = *percent;
  odds.threads = simulate.threads;
  if (simulate.model == OddsModelKind::MonteCarlo) {
    if (const std::string problem = MonteCarloModel::SettingsProblem(simulate.monteCarlo); !problem.empty()) {
      status = RefuseInput(command, problem);
      return std::nullopt;
    }
    const MonteCarloSettings settings = simulate.monteCarlo;
    odds.model = [settings](const PlanRecord& moved) { return std::make_unique<MonteCarloModel>(moved, settings); };
    return odds;
  }
  std::optional<HistorySource> source = LoadHistoryForCli(simulate.history);
  if (!source) {
    status = 2;
    return std::nullopt;
  }
  const auto data = std::make_shared<const MarketHistory>(std::move(source->history));
  if (simulate.model == OddsModelKind::Bootstrap) {
    const BootstrapSettings settings = BootstrapSettingsOf(simulate);
    if (const std::string problem = BootstrapModel::SettingsProblem(*data, settings); !problem.empty()) {
      status = RefuseInput(command, problem);
      return std::nullopt;
    }
    odds.model = [data, settings](const PlanRecord& moved) {
      return std::make_unique<BootstrapModel>(moved, *data, settings);
    };
    return odds;
  }
  const HistoricalSettings settings = simulate.historical;
  if (const std::string problem = HistoricalModel::SettingsProblem(plan, *data, settings); !problem.empty()) {
    status = RefuseInput(command, problem);
    return std::nullopt;
  }
  odds.model = [data, settings](const PlanRecord& moved) {
    return std::make_unique<HistoricalModel>(moved, *data, settings);
  };
  return odds;
}

std::optional<SolveRequest> RequestFromOptions(const char* command, const SolveCliOptions& options,
                                               const PlanRecord& plan, const std::string& leverOption, int& status) {
  std::string error;
  const std::optional<Lever> lever = ParseLever(options.Value(leverOption), options.Value("--person", "1"), error);
  if (!lever) {
    status = RefuseInput(command, error);
    return std::nullopt;
  }
  const std::optional<Target> target = ParseTarget(options.Value("--target", "never-new-debt"), error);
  if (!target) {
    status = RefuseInput(command, error);
    return std::nullopt;
  }
  SolveRequest request(*lever, *target);
  request.rules = options.simulate.rules;
  for (const auto& [name, bound] : {std::pair{"--min", &request.min}, std::pair{"--max", &request.max}}) {
    if (!options.Has(name)) continue;
    *bound = ParseLeverValue(*lever, options.Value(name));
    if (!*bound) {
      status = RefuseInput(command, std::string(name) + " takes a value of the lever's unit, not \"" +
                                        options.Value(name) + "\"");
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

namespace {

bool Watching() {
  static const bool watching = isatty(STDERR_FILENO) != 0;
  return watching;
}

}  // namespace

void EndSolveProgress() {
  if (Watching()) std::fputs("\r\x1b[K", stderr);
}

void ShowSolveProgress(std::int64_t forecasts) {
  if (!Watching()) return;
  std::fprintf(stderr, "\rSolving: %lld forecasts", static_cast<long long>(forecasts));
  std::fflush(stderr);
}
