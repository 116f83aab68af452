#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionTable.h"
#include "engine/ForecastTable.h"
#include "model/JsonText.h"
#include "model/PlanInputBlock.h"
#include "model/PlanRecord.h"
#include "model/ReadableText.h"
#include "model/WithdrawalStrategy.h"

namespace {

struct CheckOptions {
  std::string plan;
  bool json = false;
};

const char* StoreFormat(CheckOptions& options, const std::string& format) {
  if (format != "text" && format != "json") return "--format takes text or json";
  options.json = format == "json";
  return nullptr;
}

const CliOption<CheckOptions> kCheckOptions[] = {
    {.name = "--format", .store = StoreFormat},
};

// Any argument but an option names the plan, so plans whose names start with
// a single dash are still read.
const CommandSyntax<CheckOptions> kCheckSyntax{
    .usage = kCheckUsage,
    .errorStyle = UsageErrorStyle::ReasonAndUsage,
    .options = kCheckOptions,
    .plan = &CheckOptions::plan,
    .namesPlan = LacksDoubleDash,
    .missing = "a plan is required",
};

void PrintText(const PlanRecord& plan) {
  // Names come from the file: shown escaped, so none can steer the terminal.
  std::printf("Plan: %s\n", ReadableText(plan.PlanFileName).c_str());
  std::printf("Persons: %d\n", plan.SecondPerson ? 2 : 1);
  std::printf("Person 1: %s, age %d\n", ReadableText(plan.Name1).c_str(), static_cast<int>(plan.Age1));
  if (plan.SecondPerson)
    std::printf("Person 2: %s, age %d\n", ReadableText(plan.Name2).c_str(), static_cast<int>(plan.Age2));
  std::printf("Current year: %d\n", static_cast<int>(plan.CurrentYear));
  std::printf("Forecast years: %d\n", RowCount(plan));
  for (const std::string& problem : WithdrawalStrategyProblems(plan)) std::printf("Invalid input: %s\n", problem.c_str());
  const std::vector<std::string> unknown = UnknownPlanBlockKeys(plan);
  if (unknown.empty()) return;
  std::string keys;
  for (const std::string& key : unknown) keys += (keys.empty() ? "" : ", ") + ReadableText(key);
  std::printf("Unknown inputs (kept on save, not used): %s\n", keys.c_str());
}

void PrintJson(const PlanRecord& plan) {
  std::string names = JsonQuoted(plan.Name1);
  std::string ages = std::to_string(plan.Age1);
  if (plan.SecondPerson) {
    names += ", " + JsonQuoted(plan.Name2);
    ages += ", " + std::to_string(plan.Age2);
  }
  // Present only when there are such keys, so the summary of every other plan reads as before.
  std::string unknown;
  for (const std::string& key : UnknownPlanBlockKeys(plan)) unknown += (unknown.empty() ? "" : ", ") + JsonQuoted(key);
  if (!unknown.empty()) unknown = ",\n  \"unknownInputs\": [" + unknown + "]";
  std::string invalid;
  for (const std::string& problem : WithdrawalStrategyProblems(plan))
    invalid += (invalid.empty() ? "" : ", ") + JsonQuoted(problem);
  if (!invalid.empty()) unknown += ",\n  \"invalidInputs\": [" + invalid + "]";
  std::printf(
      "{\n  \"name\": %s,\n  \"persons\": %d,\n  \"names\": [%s],\n  \"ages\": [%s],\n  \"currentYear\": %d,\n"
      "  \"rows\": %d%s\n}\n",
      JsonQuoted(plan.PlanFileName).c_str(), plan.SecondPerson ? 2 : 1, names.c_str(), ages.c_str(),
      static_cast<int>(plan.CurrentYear), RowCount(plan), unknown.c_str());
}

}  // namespace

int RunCheckCommand(const CliArgs& args) {
  CheckOptions options;
  if (const std::optional<int> status = ParseCommandLine(args, kCheckSyntax, options)) return *status;
  PlanRecord plan;
  if (!LoadPlanForCli(options.plan, PlanOverrides{}, plan)) return 2;
  if (options.json) {
    PrintJson(plan);
  } else {
    PrintText(plan);
  }
  if (std::fflush(stdout) != 0) {
    std::fputs("prevora-cli: could not write the summary\n", stderr);
    return 2;
  }
  // The file reads, but a forecast cannot use it as it stands.
  return WithdrawalStrategyProblems(plan).empty() ? 0 : 2;
}
