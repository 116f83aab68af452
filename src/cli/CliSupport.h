#pragma once

#include <QGuiApplication>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "cli/PlanOverrides.h"
#include "engine/RatePathCsv.h"
#include "markets/ForecastRules.h"
#include "render/GraphCurves.h"

struct PlanRecord;
struct ForecastTable;

// Fonts and images need a GUI application; without a display the offscreen
// platform serves.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

// Reads the plan at `path` and writes the overrides into it (check passes
// none: it shows the file as stored); on failure says why on stderr and
// returns false.
bool LoadPlanForCli(const std::string& path, const PlanOverrides& overrides, PlanRecord& plan);
// A rate file read for the plan's first `rows` years; says on stderr why it
// cannot be used, or from which year a short file leaves the rates to the plan.
std::optional<RatePathRead> ReadRatesForCli(const std::string& ratesFile, const PlanRecord& plan, int rows);
// The file's rates for the plan: its own rates after the file's last row.
RatePath RatesOfFileFor(const RatePathRead& read, const PlanRecord& plan);

// Reads the plan with its overrides and runs its forecast on the plan's own
// rates or on the rate path of `ratesFile`, converted to today's dollars when
// asked; on failure says why on stderr and returns false. `rules` say what the
// years before the plan's current year take and which tax rules the future
// years follow.
bool LoadForecastForCli(const std::string& path, const PlanOverrides& overrides, bool currentDollars, PlanRecord& plan,
                        ForecastTable& table, ForecastRules rules, const std::string& ratesFile = {});

// Runs the plan's forecast on `rates`, in today's dollars when asked, and
// writes back into the plan the values the forecast recomputes.
void RunForecastForCli(PlanRecord& plan, const RatePath& rates, bool currentDollars, ForecastTable& table);

// "1,2,5" -> curves 1, 2 and 5 shown; nothing for anything but numbers 1 to 8.
std::optional<std::array<bool, kCurveCount>> ParseCurveList(const std::string& list);

// The notes of rules other than the defaults on stderr, each with the option
// that chose it, where they leave tables and images as they are; and, under
// the law, that a plan without a typed federal tax has no state ratio.
void ReportForecastRules(const PlanRecord& plan, ForecastRules rules);

// Stores the --curves option of the graph and print commands; returns why it refuses the list.
template <typename Options>
const char* StoreCurveList(Options& options, const std::string& list) {
  const auto shown = ParseCurveList(list);
  if (!shown) return "--curves takes curve numbers 1 to 8 separated by commas";
  options.shown = *shown;
  return nullptr;
}
