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
    "prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv]";
inline constexpr const char* kGraphUsage =
    "prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]";
inline constexpr const char* kPrintPlanUsage = "prevora-cli print-plan PLAN --pdf OUT.pdf [--current-dollars]";
inline constexpr const char* kPrintGraphUsage =
    "prevora-cli print-graph PLAN --pdf OUT.pdf [--current-dollars] [--curves LIST]";
inline constexpr const char* kDiffUsage =
    "prevora-cli diff BASE.plan OTHER.plan [--current-dollars] [--metric NAME] [--attribution sequential|shapley]"
    " [--format text|json|csv]\n"
    "    Lists the changed inputs, the year table's differences (other - base) and a summary, and says how much\n"
    "    of the change in NAME each changed input caused. NAME is a year-table field (NetWorth, IncomeTaxes, ...)\n"
    "    in today's dollars, in the last year (NAME or NAME:last) or summed over all years (NAME:sum); default\n"
    "    NetWorth:last. Shapley is the default up to 10 changed inputs (2^n forecasts; at most 16), else\n"
    "    sequential in plan file order. Grouped inputs move together: an age with the amounts it starts, the\n"
    "    home situation with its figures, the filing status with the income taxes, the second person with\n"
    "    their figures, a student's start year with that student, an event's year with its cost.";
inline constexpr const char* kOptionNotes =
    "WxH is the graph window's size in pixels (default 506x574); LIST names curves 1-8 separated by commas\n"
    "(1 net worth, 2 investments, 3 property, 4 other debt, 5 expenses, 6 income, 7 taxes, 8 distribution;\n"
    "default all).";

int RunSampleCommand(const CliArgs& args);
int RunCheckCommand(const CliArgs& args);
int RunPrintPlanCommand(const CliArgs& args);
int RunPrintGraphCommand(const CliArgs& args);
int RunGraphCommand(const CliArgs& args);
int RunForecastCommand(const CliArgs& args);
int RunDiffCommand(const CliArgs& args);
