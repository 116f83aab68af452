#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>

#include "cli/Commands.h"
#include "cli/SimulateOptions.h"
#include "model/PlanRecord.h"
#include "solve/Solver.h"

// The command line shared by solve, frontier and sensitivity: the command's
// own options, --odds P and every option of simulate for the odds.
struct SolveCliOptions {
  SimulateOptions simulate;                   // the plan and the odds' settings
  std::map<std::string, std::string> values;  // the command's own options by name
  bool json = false;
  bool csv = false;

  std::string Value(const std::string& name, const std::string& otherwise = {}) const;
  bool Has(const std::string& name) const { return values.count(name) > 0; }
};

struct SolveCliParse {
  std::optional<SolveCliOptions> options;
  int status = 0;  // when there are no options
};

// `own` lists the command's valued options besides --odds and --format.
SolveCliParse ParseSolveCommandLine(const CliArgs& args, std::span<const char* const> own, const char* command,
                                    const char* usage);

// Prints "prevora-cli COMMAND: reason" and returns the status for input
// that cannot be used (2).
// A refusal of an option's value that says which option it is about.
std::string NamingOption(const std::string& option, const std::string& error);

int RefuseInput(const char* command, const std::string& reason);

// The odds the options ask for (nothing without --odds); on a problem says
// why and sets `status`.
std::optional<SolveOdds> OddsFromOptions(const char* command, const SolveCliOptions& options, const PlanRecord& plan,
                                         int& status);

// Lever (from the option `leverOption`), --person, --target, --min, --max and
// the odds as one request; on a problem says why and sets `status`.
std::optional<SolveRequest> RequestFromOptions(const char* command, const SolveCliOptions& options,
                                               const PlanRecord& plan, const std::string& leverOption, int& status);

// A progress line while a person watches; redirected output stays clean.
void ShowSolveProgress(std::int64_t forecasts);
void EndSolveProgress();
