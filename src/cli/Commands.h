#pragma once

#include <string>
#include <vector>

// Each subcommand takes its arguments (after the subcommand name) and returns
// the process exit status that kExitStatusNotes documents.
using CliArgs = std::vector<std::string>;

struct CliCommand {
  const char* name;
  const char* usage;  // one line, shown by --help
  int (*run)(const CliArgs& args);
};

// One usage line per command, shown by --help and with every usage error.
inline constexpr const char* kSampleUsage = "prevora-cli sample FILE";
inline constexpr const char* kCheckUsage = "prevora-cli check PLAN [--format text|json]";
inline constexpr const char* kForecastUsage =
    "prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv|json] [--rates FILE]\n"
    "      [--history-start YEAR [--history FILE]]";
inline constexpr const char* kExplainUsage =
    "prevora-cli explain PLAN --year YEAR --field NAME [--current-dollars] [--depth N] [--format text|json]\n"
    "      [--history-start YEAR [--history FILE]]";
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
inline constexpr const char* kSimulateUsage =
    "prevora-cli simulate PLAN [--trials N] [--seed S] [--model montecarlo|historical|bootstrap] [--history FILE]\n"
    "      [--complete-only] [--block N] [--stocks-taxable P] [--stocks-deferred P] [--sd-inflation X] [--sd-taxable X]\n"
    "      [--sd-deferred X] [--sd-realestate X] [--corr-returns R] [--corr A:B=R] [--threads T]\n"
    "      [--trial N [--current-dollars] [--all-fields]] [--current-dollars] [--format text|json|csv|tsv]";
inline constexpr const char* kOptionNotes =
    "WxH is the graph window's size in pixels (default 506x574); LIST names curves 1-8 separated by commas\n"
    "(1 net worth, 2 investments, 3 property, 4 other debt, 5 expenses, 6 income, 7 taxes, 8 distribution;\n"
    "default all). The rates FILE is CSV: Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth,\n"
    "one row per forecast year from the plan's current year, in percent as the Assumptions page shows them.\n"
    "--history-start YEAR runs the plan on the market history from YEAR on (60 % stocks; past the data's\n"
    "last year it continues from its first): the built-in US history 1928-2025, or the --history FILE.\n\n"
    "simulate runs the plan through many market paths: Monte Carlo (default 10000 trials, seed 1; yearly\n"
    "standard deviations in points and correlations from the built-in US history: inflation 3.9, both returns\n"
    "12.8, real estate 5.2; see docs/odds.md;\n"
    "A and B of --corr are inflation, taxable, deferred or realestate), every start year of a market history\n"
    "(historical), or runs of N consecutive history years strung together at random (bootstrap, default\n"
    "N 5). The history is the built-in US history 1928-2025 unless --history names a CSV file\n"
    "Year,Inflation,Stocks,Bonds[,RealEstate] in nominal percent; P is the stock share, default 60.\n"
    "Each trial counts at the deepest step its shortfalls reached: no shortfall, covered from taxable\n"
    "savings, drew tax-deferred savings early, borrowed against the home, took new debt. The headline is the\n"
    "share that never took new debt; p10..p90 are the net worths that 10..90 % of trials stay below.\n"
    "--trial N prints one trial's year table. A model's odds are not a promise.";
inline constexpr const char* kFormatNotes =
    "--format json writes what the text shows for programs: forecast and --trial N an array of one object a\n"
    "year keyed by the TSV header's field names, with whole numbers; check an object with the plan's name,\n"
    "persons, names, ages, current year and rows (forecast years).\n\n"
    "explain shows how one cell of the year table is reached: NAME is a field of the TSV header of\n"
    "forecast --all-fields, YEAR a calendar year of the forecast. Each term is a plan input (with its page),\n"
    "a factor, another cell or a rounding, and the terms add up to the cell. --depth N shows other cells'\n"
    "terms N - 1 levels deep (default 1; 0 for no limit, each cell once); json gives field, year, age,\n"
    "view, value and the terms.";
// What --help says about exit statuses; the man page takes them from there.
inline constexpr const char* kExitStatusNotes =
    "Exit status:\n"
    "  0  The command did its work.\n"
    "  1  The command line is wrong: an unknown command, a missing argument or a bad option or value.\n"
    "     The usage or the reason is shown on standard error.\n"
    "  2  A plan or another input file cannot be read or holds something invalid, or the output cannot\n"
    "     be written. The reason is shown on standard error.";

int RunSampleCommand(const CliArgs& args);
int RunCheckCommand(const CliArgs& args);
int RunPrintPlanCommand(const CliArgs& args);
int RunPrintGraphCommand(const CliArgs& args);
int RunGraphCommand(const CliArgs& args);
int RunForecastCommand(const CliArgs& args);
int RunExplainCommand(const CliArgs& args);
int RunDiffCommand(const CliArgs& args);
int RunSimulateCommand(const CliArgs& args);
