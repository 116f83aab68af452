#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

namespace {

const CliCommand kCommands[] = {
    {"sample", "prevora-cli sample FILE", RunSampleCommand},
    {"check", "prevora-cli check FILE", RunCheckCommand},
    {"forecast", "prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv]",
     RunForecastCommand},
    {"print-plan", "prevora-cli print-plan PLAN --pdf OUT.pdf [--current-dollars]", RunPrintPlanCommand},
    {"graph", "prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]",
     RunGraphCommand},
    {"print-graph", "prevora-cli print-graph PLAN --pdf OUT.pdf [--current-dollars] [--curves 1,2,...]",
     RunPrintGraphCommand},
};

void PrintUsage(std::FILE* out) {
  std::fputs("Prevora command-line tool: plans, forecasts and printouts without a window.\n\nUsage:\n", out);
  for (const CliCommand& command : kCommands) std::fprintf(out, "  %s\n", command.usage);
  std::fputs("\nEach command accepts --help.\n", out);
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
