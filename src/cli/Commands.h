#pragma once

#include <string>
#include <vector>

// Each subcommand takes its arguments (after the subcommand name) and returns
// the process exit status: 0 success, 1 usage error, 2 unreadable plan or failed output.
using CliArgs = std::vector<std::string>;

struct CliCommand {
  const char* name;
  const char* usage;  // one line, shown by --help
  int (*run)(const CliArgs& args);
};

int RunSampleCommand(const CliArgs& args);
int RunCheckCommand(const CliArgs& args);
int RunPrintPlanCommand(const CliArgs& args);
int RunPrintGraphCommand(const CliArgs& args);
int RunGraphCommand(const CliArgs& args);
int RunForecastCommand(const CliArgs& args);
