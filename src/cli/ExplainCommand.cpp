#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/HistoryStartOption.h"
#include "cli/OptionTable.h"
#include "engine/Explanation.h"
#include "engine/ForecastColumns.h"
#include "model/JsonText.h"
#include "model/PlanRecord.h"
#include "model/ReadableText.h"

namespace {

struct ExplainOptions {
  std::string plan;
  std::string year;
  std::string field;
  bool currentDollars = false;
  int depth = 1;
  bool json = false;
  std::string rates;  // a rate file, or empty for the plan's own rates
  HistoryStartOption historyStart;
  ForecastRules rules;
  PlanOverrides overrides;
};

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const char* StoreYear(ExplainOptions& options, const std::string& year) {
  if (!WholeNumber(year)) return "--year takes a calendar year, e.g. 2040";
  options.year = year;
  return nullptr;
}

const char* StoreField(ExplainOptions& options, const std::string& field) {
  options.field = field;
  return nullptr;
}

const char* StoreDepth(ExplainOptions& options, const std::string& depth) {
  const std::optional<int> value = WholeNumber(depth);
  if (!value || *value < 0) return "--depth takes a whole number: 1 for the cell's own terms, 0 for no limit";
  options.depth = *value;
  return nullptr;
}

const char* StoreFormat(ExplainOptions& options, const std::string& format) {
  if (format != "text" && format != "json") return "--format takes text or json";
  options.json = format == "json";
  return nullptr;
}

const CliOption<ExplainOptions> kExplainOptions[] = {
    {.name = "--year", .store = StoreYear},
    {.name = "--field", .store = StoreField},
    {.name = "--current-dollars", .flag = &ExplainOptions::currentDollars},
    {.name = "--depth", .store = StoreDepth},
    {.name = "--format", .store = StoreFormat},
    {.name = "--rates",
     .store = [](ExplainOptions& options, const std::string& path) -> const char* {
       options.rates = path;
       return path.empty() ? "--rates needs a file" : nullptr;
     }},
    {.name = "--history-start", .store = StoreHistoryStartYear<ExplainOptions>},
    {.name = "--history", .store = StoreHistoryFile<ExplainOptions>},
    {.name = "--start-at", .store = StoreStartAt<ExplainOptions>},
};

const CommandSyntax<ExplainOptions> kExplainSyntax{
    .usage = kExplainUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kExplainOptions,
    .plan = &ExplainOptions::plan,
    .namesPlan = LacksDoubleDash,
    .required = &ExplainOptions::year,
    .missing = "a plan, --year and --field are required",
};

int Refuse(const std::string& reason) {
  std::fprintf(stderr, "prevora-cli: %s\n", reason.c_str());
  return 2;
}

// "Income Taxes", "incometaxes" and "IncomeTaxes" name the same field: the
// table's header words are taken as well as the field names.
std::string Folded(const std::string& name) {
  std::string folded;
  for (const char c : name) {
    if (c != ' ') folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return folded;
}

// The columns before the money fields: Year, Age1 and Age2 count years.
constexpr std::array<const char*, 3> kCountingColumns = {"Year", "Age1", "Age2"};
constexpr int kFirstCountingSlot = -4;  // Year; Age1 and Age2 follow

int SlotOfName(const std::string& name) {
  const std::string folded = Folded(name);
  for (int slot = 0; slot < kYearFieldCount; ++slot) {
    if (folded == Folded(kForecastColumns[static_cast<std::size_t>(slot)].name)) return slot;
  }
  for (std::size_t i = 0; i < kCountingColumns.size(); ++i) {
    if (folded == Folded(kCountingColumns[i])) return kFirstCountingSlot + static_cast<int>(i);
  }
  return -1;
}

// A year or an age of a row: the plan's current one plus the years since.
std::string CountingCell(int slot, const PlanRecord& plan, std::int64_t year, bool json) {
  const std::size_t column = static_cast<std::size_t>(slot - kFirstCountingSlot);
  const std::int64_t since = year - plan.CurrentYear;
  const std::int64_t start = column == 0 ? plan.CurrentYear : column == 1 ? plan.Age1 : plan.Age2;
  const std::string name = kCountingColumns[column];
  const std::string base = column == 0 ? "the plan's current year" : name + " in " + std::to_string(plan.CurrentYear);
  if (json) {
    return "{\"field\":" + JsonQuoted(name) + ",\"year\":" + std::to_string(year) +
           ",\"value\":" + std::to_string(start + since) + ",\"op\":\"sum\",\"terms\":[{\"label\":" + JsonQuoted(base) +
           ",\"amount\":" + std::to_string(start) +
           ",\"op\":\"value\"},{\"label\":\"years since\",\"amount\":" + std::to_string(since) +
           ",\"op\":\"value\"}]}\n";
  }
  return name + " " + std::to_string(year) + ": " + std::to_string(start + since) + "\n  " + std::to_string(start) +
         "  " + base + "\n  " + std::to_string(since) + "  years since\n";
}

}  // namespace

int RunExplainCommand(const CliArgs& args) {
  ExplainOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kExplainSyntax, options)) return *status;
  if (options.field.empty()) return ReportUsageError(kExplainSyntax.errorStyle, kExplainUsage, kExplainSyntax.missing);
  const int slot = SlotOfName(options.field);
  if (slot == -1) {
    return Refuse("--field: unknown field '" + ReadableExcerpt(options.field) +
                  "'; the fields are the header of forecast --all-fields");
  }
  if (!options.rates.empty() && options.historyStart.Given()) {
    return ReportUsageError(kExplainSyntax.errorStyle, kExplainUsage, "--rates and --history-start exclude each other");
  }
  if (const std::string orphan = options.historyStart.Orphan(); !orphan.empty()) {
    return ReportUsageError(kExplainSyntax.errorStyle, kExplainUsage, orphan);
  }
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, options.overrides, plan)) return 2;
  RatePath rates = RatePath::FromPlan(plan);
  if (!options.rates.empty()) {
    const std::optional<RatePathRead> read = ReadRatesForCli(options.rates, plan, RowCount(plan));
    if (!read) return 2;
    rates = RatesOfFileFor(*read, plan);
  } else if (options.historyStart.Given()) {
    int status = 0;
    const std::optional<HistoryStartRun> run = HistoryStartForCli(plan, options.historyStart, status);
    if (!run) return status;
    rates = run->start.rates;
  }
  ReportForecastRules(plan, options.rules);
  rates = WithRules(rates, options.rules, plan);
  const ExplainedForecast explained(plan, rates);
  const std::int64_t first = plan.CurrentYear;
  const std::int64_t last = first + explained.Rows() - 1;
  const std::int64_t year = *WholeNumber(options.year);
  if (year < first || year > last) {
    return Refuse("--year: the forecast runs from " + std::to_string(first) + " to " + std::to_string(last) + ", not " +
                  options.year);
  }
  if (slot < 0) {
    if (slot == kFirstCountingSlot + 2 && !plan.SecondPerson) return Refuse("--field: the plan has no second person");
    std::fputs(CountingCell(slot, plan, year, options.json).c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Refuse("could not write the explanation");
  }
  const Explanation explanation =
      explained.Explain(static_cast<int>(year - first + 1), slot, options.currentDollars, options.depth);
  const std::string text = options.json ? ExplanationJson(explanation) : ExplanationText(explanation);
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0)
    return Refuse("could not write the explanation");
  return 0;
}
