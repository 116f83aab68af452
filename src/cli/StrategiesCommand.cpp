#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "cli/ProgressLine.h"
#include "cli/WholeNumber.h"
#include "model/NumberFormat.h"
#include "model/ReadableText.h"
#include "odds/MarketModelFactory.h"
#include "odds/OddsRunner.h"
#include "solve/StrategyText.h"

namespace {

// Trials the odds measure runs for each strategy when --odds does not say.
constexpr int kDefaultStrategyTrials = 1000;
constexpr std::int64_t kMaxStrategyTrials = 1000000;

struct StrategiesOptions {
  std::string plan;
  StrategyMeasure measure = StrategyMeasure::AfterTaxNetWorth;
  bool spending = false;
  int trials = 0;  // 0: no odds
  std::uint64_t seed = 1;
  int threads = 0;
  int top = 0;  // 0: every row
  std::string format = "text";
  ForecastRules rules;
  PlanOverrides overrides;
};

template <typename Number>
bool ParseWholeWithin(const std::string& text, Number& value, Number low, Number high) {
  const std::optional<Number> read = ParseWhole<Number>(text);
  if (!read || *read < low || *read > high) return false;
  value = *read;
  return true;
}

const char* StoreMeasure(StrategiesOptions& options, const std::string& key) {
  const std::optional<StrategyMeasure> measure = ParseStrategyMeasure(key);
  if (!measure) return "--measure takes after-tax-net-worth, lifetime-taxes, spending or odds";
  options.measure = *measure;
  return nullptr;
}

const char* StoreTrials(StrategiesOptions& options, const std::string& text) {
  return ParseWholeWithin(text, options.trials, 1, static_cast<int>(kMaxStrategyTrials))
             ? nullptr
             : "--odds takes a number of trials from 1 to 1000000";
}

const char* StoreSeed(StrategiesOptions& options, const std::string& text) {
  return ParseWholeWithin(text, options.seed, std::uint64_t{0}, UINT64_MAX) ? nullptr : "--seed takes a whole number";
}

const char* StoreThreads(StrategiesOptions& options, const std::string& text) {
  return ParseWholeWithin(text, options.threads, 1, kMaxOddsThreads) ? nullptr
                                                                     : "--threads takes a number from 1 to 64";
}

const char* StoreTop(StrategiesOptions& options, const std::string& text) {
  return ParseWholeWithin(text, options.top, 1, 1000000) ? nullptr : "--top takes a number of rows, at least 1";
}

const char* StoreFormat(StrategiesOptions& options, const std::string& format) {
  options.format = format;
  return format == "text" || format == "csv" || format == "json" ? nullptr : "--format takes text, csv or json";
}

const CliOption<StrategiesOptions> kStrategiesOptions[] = {
    {.name = "--measure", .store = StoreMeasure}, {.name = "--spending", .flag = &StrategiesOptions::spending},
    {.name = "--odds", .store = StoreTrials},     {.name = "--seed", .store = StoreSeed},
    {.name = "--threads", .store = StoreThreads}, {.name = "--top", .store = StoreTop},
    {.name = "--format", .store = StoreFormat},
};

const CommandSyntax<StrategiesOptions> kStrategiesSyntax{
    .usage = kStrategiesUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kStrategiesOptions,
    .plan = &StrategiesOptions::plan,
    .namesPlan = LacksDash,
    .missing = "a plan is required",
};

void ShowRowsDone(int done, int total) {
  ShowProgressLine("Strategies: " + std::to_string(done) + " of " + std::to_string(total));
}

void PrintText(const StrategiesOptions& options, const PlanRecord& plan, const StrategyRequest& request,
               const StrategyTableResult& result, std::size_t total) {
  std::printf("Plan: %s\n", ReadableText(options.plan).c_str());
  std::printf("Ranked by: %s\n", StrategyMeasureWords(request.measure).c_str());
  const bool spending = request.spending || request.measure == StrategyMeasure::Spending;
  std::printf("%6s  %-16s %-20s %-9s%s%s  %s\n", "Rank", "Lifetime taxes", "After-tax net worth", "Borrows",
              spending ? "  Spending/year" : "", request.odds ? "  Savings last" : "", "Strategy");
  for (const StrategyRow& row : result.rows) {
    std::printf("%s%5d  %-16s %-20s %-9s", row.planOwn ? "*" : " ", row.rank, FormatDollars(row.lifetimeTaxes).c_str(),
                FormatDollars(row.afterTaxNetWorth).c_str(), BorrowYearText(row).c_str());
    if (spending) std::printf("  %13s", SpendingText(row).c_str());
    if (request.odds) std::printf("  %12s", SavingsLastedText(row).c_str());
    std::printf("  %s%s\n", StrategyWords(row.strategy, plan).c_str(), row.planOwn ? "  (the plan)" : "");
  }
  std::printf("Strategies run: %zu; forecasts run: %lld in %.0f ms\n", total, static_cast<long long>(result.forecasts),
              result.seconds * 1000.0);
  if (request.odds) std::puts("These odds come from a model of markets, not from the future: they are not a promise.");
}

}  // namespace

int RunStrategiesCommand(const CliArgs& args) {
  StrategiesOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kStrategiesSyntax, options)) return *status;
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, options.overrides, plan)) return 2;
  ReportForecastRules(plan, options.rules);
  StrategyRequest request;
  request.measure = options.measure;
  request.spending = options.spending;
  request.rules = options.rules;
  request.threads = OddsThreads(options.threads);
  if (options.trials == 0 && options.measure == StrategyMeasure::Odds) options.trials = kDefaultStrategyTrials;
  if (options.trials > 0) {
    MarketModelSettings settings;
    settings.monteCarlo.trials = options.trials;
    settings.monteCarlo.seed = options.seed;
    const MarketModelBuild build = BuildMarketModel(plan, settings, nullptr);
    if (!build.model) {
      std::fprintf(stderr, "prevora-cli strategies: %s\n", build.problem.c_str());
      return 2;
    }
    request.odds = build.model;
  }
  StrategyControl control;
  control.progress = ShowRowsDone;
  StrategyTableResult result = RunStrategyTable(plan, request, control);
  EndProgressLine();
  const std::size_t total = result.rows.size();
  // The plan's own row stays below the top ones, to compare them with.
  if (options.top > 0) {
    std::erase_if(result.rows, [&](const StrategyRow& row) { return row.rank > options.top && !row.planOwn; });
  }
  if (options.format == "csv") {
    std::fputs(StrategyTableCsv(plan, result).c_str(), stdout);
  } else if (options.format == "json") {
    std::fputs(StrategyTableJson(plan, request, result).c_str(), stdout);
  } else {
    PrintText(options, plan, request, result, total);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the result\n", stderr);
    return 2;
  }
  return 0;
}
