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
inline constexpr const char* kNewPlanUsage = "prevora-cli new FILE";
inline constexpr const char* kCheckUsage = "prevora-cli check PLAN [--format text|json]";
inline constexpr const char* kForecastUsage =
    "prevora-cli forecast PLAN [--current-dollars] [--all-fields] [--format text|tsv|csv|json] [--rates FILE]\n"
    "      [--history-start YEAR [--history FILE] [--start-at first-year|retirement]]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kExplainUsage =
    "prevora-cli explain PLAN --year YEAR --field NAME [--current-dollars] [--depth N] [--format text|json]\n"
    "      [--rates FILE | --history-start YEAR [--history FILE] [--start-at first-year|retirement]]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kGraphUsage =
    "prevora-cli graph PLAN --out FILE.png|FILE.bmp [--size WxH] [--current-dollars] [--curves LIST]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kPrintPlanUsage =
    "prevora-cli print-plan PLAN --pdf OUT.pdf [--current-dollars] [--past-inflation recorded|plan]\n"
    "      [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kPrintGraphUsage =
    "prevora-cli print-graph PLAN --pdf OUT.pdf [--current-dollars] [--curves LIST] [--past-inflation recorded|plan]\n"
    "      [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kDiffUsage =
    "prevora-cli diff BASE.plan OTHER.plan [--current-dollars] [--metric NAME] [--attribution sequential|shapley]"
    " [--format text|json|csv]\n"
    "      [--rates FILE | --history-start YEAR [--history FILE] [--start-at first-year|retirement]]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]\n"
    "    Lists the changed inputs, the year table's differences (other - base) and a summary, and says how much\n"
    "    of the change in NAME each changed input caused. NAME is a year-table field (NetWorth, IncomeTaxes, ...)\n"
    "    in today's dollars, in the last year (NAME or NAME:last) or summed over all years (NAME:sum); default\n"
    "    NetWorth:last. Shapley is the default up to 10 changed inputs (2^n forecasts; at most 16), else\n"
    "    sequential in plan file order. Grouped inputs move together: an age with the amounts it starts, the\n"
    "    home situation with its figures, the filing status with the income taxes, the second person with\n"
    "    their figures, a student's start year with that student, an event's year with its cost. --rates and\n"
    "    --history-start run both plans on the same rate path, as forecast does.";
inline constexpr const char* kSimulateUsage =
    "prevora-cli simulate PLAN [--trials N] [--seed S] [--model montecarlo|historical|bootstrap] [--history FILE]\n"
    "      [--complete-only] [--block N] [--stocks-taxable P] [--stocks-deferred P] [--sd-inflation X] [--sd-taxable X]\n"
    "      [--sd-deferred X] [--sd-realestate X] [--corr-returns R] [--corr A:B=R] [--threads T]\n"
    "      [--trial N [--current-dollars] [--all-fields]] [--current-dollars] [--format text|json|csv|tsv]\n"
    "      [--rates FILE] [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]\n"
    "    --rates centers the Monte Carlo model's draws of each year on that year's rates of the file (the plan's\n"
    "    own rates after its last row); the swings and correlations stay.";
inline constexpr const char* kSolveUsage =
    "prevora-cli solve PLAN --lever spending|retire-age|claim-age|savings|field:NAME [--person 1|2|both]\n"
    "      [--target never-borrow|never-new-debt|net-worth:AGE:AMOUNT] [--min X] [--max X]\n"
    "      [--odds P [simulate options]] [--format text|json|csv] [--past-inflation recorded|plan]\n"
    "      [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kFrontierUsage =
    "prevora-cli frontier PLAN --lever A --from X --to Y [--step S] --solve B [--person 1|2|both]\n"
    "      [--target T] [--min X] [--max X] [--odds P [simulate options]] [--format text|json|csv]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kSensitivityUsage =
    "prevora-cli sensitivity PLAN [--metric NAME] [--odds P [--target T] [simulate options]]\n"
    "      [--format text|json|csv] [--past-inflation recorded|plan] [--tax-rules law|curve]\n"
    "      [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]";
inline constexpr const char* kStrategiesUsage =
    "prevora-cli strategies PLAN [--measure after-tax-net-worth|lifetime-taxes|spending|odds] [--spending]\n"
    "      [--odds TRIALS [--seed S]] [--threads T] [--top N] [--format text|csv|json]\n"
    "      [--past-inflation recorded|plan] [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]\n"
    "    Runs every withdrawal order, bracket filling or Roth conversion and claiming age of the set\n"
    "    (docs/strategies.md) and ranks them by the measure, best first; the plan's own strategy is marked.\n"
    "    --spending adds each strategy's largest spending that never borrows; --odds runs TRIALS Monte Carlo\n"
    "    trials for each (the odds measure takes 1000 without it).";
inline constexpr const char* kReportUsage =
    "prevora-cli report PLAN --pdf OUT.pdf [--paper letter|a4] [--trials N] [--seed S] [--threads T]\n"
    "      [--history FILE] [--block N] [--stocks-taxable P] [--stocks-deferred P] [--past-inflation recorded|plan]\n"
    "      [--tax-rules law|curve] [--deflation hold|follow]\n"
    "      [--home-equity-limit floor|first-design]\n"
    "      [--withdrawal-order ORDER] [--fill-bracket 0|10|12|22|24|32] [--fill-into taxable|roth]\n"
    "      [--convert DOLLARS] [--fill-ages FROM-TO]\n"
    "    One PDF for the household and its adviser: summary, graph, odds under the three models, stress tests,\n"
    "    sensitivity, the year table, the inputs and notes. Its figures are those simulate, solve and\n"
    "    sensitivity print for the same settings; the answers are solve's spending and retire-age (both persons)\n"
    "    on the plan's rates and with --odds 90. The paper is the locale's unless --paper says.";
inline constexpr const char* kOptionNotes =
    "sample writes the sample plan the desktop opens (Double.plan); new writes the plan File > New starts.\n"
    "WxH is the graph window's size in pixels (default 506x574); LIST names curves 1-8 separated by commas\n"
    "(1 net worth, 2 investments, 3 property, 4 other debt, 5 expenses, 6 income, 7 taxes, 8 distribution;\n"
    "default all). The rates FILE is CSV: Year,Inflation,TaxableReturn,TaxDeferredReturn,RealEstateGrowth,\n"
    "one row per forecast year from the plan's current year, in percent as the Assumptions page shows them.\n"
    "--history-start YEAR runs the plan on the market history from YEAR on (60 % stocks; past the data's\n"
    "last year it continues from its first): the built-in US history 1928-2025, or the --history FILE.\n"
    "--start-at retirement keeps the plan's own rates until the first year someone retires and starts the\n"
    "history's sequence there; first-year, the default, starts it in the plan's current year.\n"
    "--past-inflation: the years before the plan's current year (the tax index from 2005, ages entered in\n"
    "the past) take the built-in history's recorded US inflation 1928-2025 (recorded, the default; other\n"
    "years the plan's rate), or the plan's own inflation rate (plan, as before; stderr then says so). Every\n"
    "command that forecasts takes it, and every trial of simulate, solve and sensitivity runs the same past.\n"
    "--deflation: in a year of falling prices spending holds (hold, the default: the inflation index never\n"
    "falls, so a deflation year costs last year's prices; this is why 1929, not 1966, is the worst start\n"
    "for a 4 % withdrawal), or follows prices down (follow; stderr then says so). Every command that\n"
    "forecasts takes it, in every trial and history start.\n"
    "--home-equity-limit: when the mortgage owed is above 75 % of the home's value nothing can be borrowed\n"
    "against the home and the whole shortfall is new debt (floor, the default), or the limit goes negative\n"
    "and is booked as a negative home-equity borrowing that enlarges the new debt (first-design, as before;\n"
    "stderr then says so). Every command that forecasts takes it, in every trial and history start.\n"
    "--tax-rules: the future years' income taxes follow the US federal law as it reads in 2026 (law, the\n"
    "default: brackets by filing status, deductions, Social Security by provisional income, gains rates, FICA\n"
    "and required distributions; docs/taxes.md) or the first design's tax curve (curve, as before; stderr\n"
    "then says so). Every command that forecasts takes it, in every trial and for both plans of diff.\n"
    "--withdrawal-order, --fill-bracket, --fill-into, --convert and --fill-ages change the plan as it is read,\n"
    "as if its file held WithdrawalOrder, FillBracket, FillInto, ConvertAmount or FillFromAge and FillToAge\n"
    "(docs/strategies.md): ORDER is taxable, deferred and roth, each once, joined by commas (deferred,taxable,roth);\n"
    "the bracket is filled from the tax-deferred account into taxable savings or the Roth (0: none); DOLLARS is a\n"
    "fixed yearly Roth conversion in current dollars; FROM-TO are the first person's ages the filling runs (63-72).\n"
    "Every command that forecasts takes them, in every trial and as the plan's own value of a solve's lever;\n"
    "diff writes them into both plans, as it runs both on the same rules.\n"
    "Rates in plans and rate files are above -100 and at most 1,000 percent; others are refused with the\n"
    "file and line. A forecast whose amounts outgrow the largest figure says so on stderr.\n\n"
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
    "a factor, another cell or a rounding, and at every level the terms add up to the line above them,\n"
    "or it is a base times a factor. --depth N shows other cells' terms N - 1 levels deep (default 1;\n"
    "0 for no limit, each cell once); json gives field, year, age, dollars (today or future, as the window\n"
    "names them; view, current or inflated, stays for this release), value and the terms, each with\n"
    "its op: sum, product (with base and factor) or value, and sign -1 for a cell taken away.";
inline constexpr const char* kSolveNotes =
    "solve finds the best value of one lever for which a target holds, to the lever's step, and proves it by\n"
    "its neighbour: the proof line shows the target holding at the answer and failing one step past it.\n"
    "Levers: spending (the yearly living expenses the forecast inflates: the medical, communication,\n"
    "entertainment and food entries, other annual expenses, the car's and the home's running costs, scaled by\n"
    "one factor; the largest; $0 to $1,000,000,000), retire-age (person 1, --person 2, or both keeping their\n"
    "gap; the earliest; the current age to 90), claim-age (the Social Security starting age of person 1,\n"
    "--person 2, or both keeping their gap, for those whose benefit at full retirement age is typed; 62 to 70\n"
    "among the ages not yet passed; a later claim pays more a year for fewer years, so the bounds decide: the\n"
    "earliest age that meets the target when it holds at 70 and not at 62, else the latest), savings (both\n"
    "persons' tax-deferred contributions scaled together; the smallest; $0 to the salaries) and field:NAME (any\n"
    "numeric input by the record name diff lists; dollars, years or percent; the bounds decide which end; value\n"
    "+-30 years, +-10 points, 0 to ten times the dollars). --min and --max set the bounds. Targets:\n"
    "never-borrow (default: the savings last, no home equity borrowed and no new debt), never-new-debt (home\n"
    "equity may be borrowed) and net-worth:AGE:AMOUNT (person 1 at AGE, today's dollars). With --odds P\n"
    "the target must hold in P % of the trials, every value on the same trials (simulate's options apply).\n"
    "The search looks beyond the answer and says when the outcome is not monotone in the lever.\n"
    "frontier solves lever B for each value of lever A from X to Y; sensitivity moves every numeric input\n"
    "one step each way (amounts 10 %, ages and years 1, rates 1 point) and sorts them by the change of\n"
    "NAME (as for diff, default NetWorth:last; with --odds the share of trials meeting --target, never-borrow\n"
    "or never-new-debt).";
// What --help says about exit statuses; the man page takes them from there.
inline constexpr const char* kExitStatusNotes =
    "Exit status:\n"
    "  0  The command did its work.\n"
    "  1  The command line is wrong: an unknown command, a missing argument or a bad option or value.\n"
    "     The usage or the reason is shown on standard error.\n"
    "  2  A plan or another input file cannot be read or holds something invalid, or the output cannot\n"
    "     be written; for solve, frontier and sensitivity also a lever, target, bound or odds that cannot\n"
    "     be used. The reason is shown on standard error.\n"
    "  3  solve found no answer: no value within the bounds meets the target, every value does, or the\n"
    "     outcome is not monotone in the lever. The reason is shown on standard output.";

int RunSampleCommand(const CliArgs& args);
int RunNewPlanCommand(const CliArgs& args);
int RunCheckCommand(const CliArgs& args);
int RunPrintPlanCommand(const CliArgs& args);
int RunPrintGraphCommand(const CliArgs& args);
int RunGraphCommand(const CliArgs& args);
int RunForecastCommand(const CliArgs& args);
int RunExplainCommand(const CliArgs& args);
int RunDiffCommand(const CliArgs& args);
int RunSimulateCommand(const CliArgs& args);
int RunSolveCommand(const CliArgs& args);
int RunFrontierCommand(const CliArgs& args);
int RunSensitivityCommand(const CliArgs& args);
int RunReportCommand(const CliArgs& args);
int RunStrategiesCommand(const CliArgs& args);
