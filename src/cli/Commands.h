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

// One usage line per command, shown by --help and with every usage error.
inline constexpr const char* kSampleUsage = "prevora-cli sample FILE";
inline constexpr const char* kCheckUsage = "prevora-cli check FILE";
inline constexpr const char* kForecastUsage =
    "prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv] [--rates FILE]";
inline constexpr const char* kGraphUsage =
    "prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]";
inline constexpr const char* kPrintPlanUsage = "prevora-cli print-plan PLAN --pdf OUT.pdf [--current-dollars]";
inline constexpr const char* kPrintGraphUsage =
    "prevora-cli print-graph PLAN --pdf OUT.pdf [--current-dollars] [--curves LIST]";
inline constexpr const char* kOptionNotes =
    "WxH is the graph window's size in pixels (default 506x574); LIST names curves 1-8 separated by commas\n"
    "(1 net worth, 2 investments, 3 property, 4 other debt, 5 expenses, 6 income, 7 taxes, 8 distribution;\n"
    "default all). The rates FILE is CSV: Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth,\n"
    "one row per forecast year from the plan's current year, in percent as the Assumptions page shows them.";

int RunSampleCommand(const CliArgs& args);
int RunCheckCommand(const CliArgs& args);
int RunPrintPlanCommand(const CliArgs& args);
int RunPrintGraphCommand(const CliArgs& args);
int RunGraphCommand(const CliArgs& args);
int RunForecastCommand(const CliArgs& args);
