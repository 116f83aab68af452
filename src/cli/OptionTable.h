#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>

#include "cli/Commands.h"
#include "cli/PlanOverrides.h"
#include "cli/RuleOptions.h"
#include "model/ReadableText.h"

// How a command answers a command line it cannot take (exit status 1).
enum class UsageErrorStyle {
  ReasonAndUsage,  // "prevora-cli: <reason>", then the usage line
  ReasonOrUsage,   // the reason when there is one, else the usage line
};

// One option of a command: a flag sets a member, an option with a value
// stores it through a function that may refuse it.
template <typename Options>
struct CliOption {
  const char* name;
  bool Options::*flag = nullptr;
  // Returns why the value is refused, or nullptr when it is taken.
  const char* (*store)(Options& options, const std::string& value) = nullptr;
};

// A command's command line: the plan, its options and how it reports mistakes.
template <typename Options>
struct CommandSyntax {
  const char* usage;
  UsageErrorStyle errorStyle;
  std::span<const CliOption<Options>> options;
  // The one argument that is not an option, required.
  std::string Options::*plan;
  // Whether an argument that is no option of the command names the plan.
  bool (*namesPlan)(const std::string& argument);
  // An option whose value is required too, or nullptr.
  std::string Options::*required = nullptr;
  // The reason given when the plan or the required option is missing.
  const char* missing = "";
};

// Plan names for commands whose options all start with "--", and for those
// that take no argument starting with "-" as a plan.
inline bool LacksDoubleDash(const std::string& argument) { return !argument.starts_with("--"); }
inline bool LacksDash(const std::string& argument) { return !argument.empty() && argument[0] != '-'; }

// An argument as a refusal quotes it: control bytes escaped, a long one cut
// after as much as a file path usually takes.
inline std::string EchoedArgument(const std::string& argument) { return ReadableText(argument, 100); }

// Prints the usage error in the command's style; returns the exit status 1.
int ReportUsageError(UsageErrorStyle style, const char* usage, const std::string& reason);

// The rules and plan overrides of a command that forecasts, which takes both
// kinds of option; nulls for another.
template <typename Options>
std::pair<ForecastRules*, PlanOverrides*> ForecastInputsOf(Options& options) {
  if constexpr (requires { options.rules; }) {
    return {&options.rules, &options.overrides};
  } else {
    return {nullptr, nullptr};
  }
}

// Fills `options` from the arguments; on a mistake reports it and returns the exit status.
template <typename Options>
std::optional<int> ParseCommandLine(const CliArgs& args, const CommandSyntax<Options>& syntax, Options& options) {
  const auto fail = [&syntax](const std::string& reason) {
    return ReportUsageError(syntax.errorStyle, syntax.usage, reason);
  };
  std::string& plan = options.*syntax.plan;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& argument = args[i];
    const CliOption<Options>* option = nullptr;
    for (const CliOption<Options>& candidate : syntax.options) {
      if (argument == candidate.name) option = &candidate;
    }
    const auto [rules, overrides] = ForecastInputsOf(options);
    const RuleOption* rule = option || !rules ? nullptr : FindRuleOption(argument);
    const PlanOverrideOption* planOverride = option || !overrides ? nullptr : FindPlanOverride(argument);
    if (option && option->flag) {
      options.*option->flag = true;
    } else if (option && i + 1 < args.size()) {
      if (const char* refusal = option->store(options, args[++i])) return fail(refusal);
    } else if (rule && i + 1 < args.size()) {
      if (!rule->store(args[++i], *rules)) return fail(rule->refusal);
    } else if (planOverride && i + 1 < args.size()) {
      if (const std::string refusal = planOverride->store(args[++i], *overrides); !refusal.empty())
        return fail(refusal);
    } else if (option || rule || planOverride) {
      return fail(argument + " needs a value");
    } else if (plan.empty() && syntax.namesPlan(argument)) {
      plan = argument;
    } else {
      return fail("unexpected argument '" + EchoedArgument(argument) + "'");
    }
  }
  if (plan.empty() || (syntax.required && (options.*syntax.required).empty())) return fail(syntax.missing);
  return std::nullopt;
}
