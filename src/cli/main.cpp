#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

namespace {

const CliCommand kCommands[] = {
    {"sample", kSampleUsage, RunSampleCommand},
    {"new", kNewPlanUsage, RunNewPlanCommand},
    {"check", kCheckUsage, RunCheckCommand},
    {"forecast", kForecastUsage, RunForecastCommand},
    {"explain", kExplainUsage, RunExplainCommand},
    {"graph", kGraphUsage, RunGraphCommand},
    {"print-plan", kPrintPlanUsage, RunPrintPlanCommand},
    {"print-graph", kPrintGraphUsage, RunPrintGraphCommand},
    {"diff", kDiffUsage, RunDiffCommand},
    {"simulate", kSimulateUsage, RunSimulateCommand},
    {"solve", kSolveUsage, RunSolveCommand},
    {"frontier", kFrontierUsage, RunFrontierCommand},
    {"sensitivity", kSensitivityUsage, RunSensitivityCommand},
    {"strategies", kStrategiesUsage, RunStrategiesCommand},
    {"report", kReportUsage, RunReportCommand},
};

void PrintUsage(std::FILE* out) {
  std::fputs("Prevora command-line tool: plans, forecasts and printouts without a window.\n\nUsage:\n", out);
  for (const CliCommand& command : kCommands) std::fprintf(out, "  %s\n", command.usage);
  std::fprintf(out, "\n%s\n\n%s\n\n%s\n\nEach command accepts --help.\n\n%s\n", kOptionNotes, kFormatNotes, kSolveNotes,
               kExitStatusNotes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(stderr);
    return 1;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h") {
    PrintUsage(stdout);
    return 0;
  }
  for (const CliCommand& command : kCommands) {
    if (name != command.name) continue;
    CliArgs args(argv + 2, argv + argc);
    for (const std::string& arg : args) {
      if (arg == "--help" || arg == "-h") {
        std::printf("Usage: %s\n", command.usage);
        return 0;
      }
    }
    return command.run(args);
  }
  std::fprintf(stderr, "prevora-cli: unknown command '%s'\n", name.c_str());
  PrintUsage(stderr);
  return 1;
}
