#pragma once

#include <QString>
#include <array>
#include <functional>

#include "compare/ComparisonForecast.h"
#include "odds/OddsRunner.h"
#include "render/ComparisonCurve.h"
#include "shell/Session.h"

class QMenu;
class QWidget;
struct Platform;

// Starts everyone asks about: the crash, the relapse, the stagflation years,
// the burst bubble and the financial crisis.
inline constexpr std::array<int, 6> kNamedStressStarts = {1929, 1937, 1966, 1973, 2000, 2008};

// The start year of the built-in history whose replay hurts the plan most
// (the historical model's worst trial).
int WorstStartYear(const PlanRecord& plan, ForecastRules rules);

// The rates the stress test runs the plan on: the typed scenario's, or the
// built-in history's from the chosen start.
RatePath StressRates(const PlanRecord& plan, const StressTestState& stress);

// The rates a comparison runs each plan on, as `diff --rates` runs them on the
// scenario saved as a rate file (the typed rows of the `current` plan, then
// each plan's own rates), or `diff --history-start` on the start.
RateSource StressComparisonRates(const PlanRecord& current, const StressTestState& stress);

// What an explanation's title adds to name those rates: "under the scenario:
// inflation 5 % 2027-2036", "starting as 1966".
QString StressRatesTitle(const StressTestState& stress);

// The plan's net worth on the stress test's rates, in the graph's dollars, dotted.
ComparisonSeries StressSeries(const Session& session);

// The stress test's year table, as the odds page shows a trial.
TrialReplay StressReplay(const PlanRecord& plan, int startYear, ForecastRules rules);

// "S&tress Test" in a result page's File menu: the named starts, the worst
// start for the plan, a typed rate scenario, None, the year table (whose cells
// explain themselves on the stress test's rates) and saving the scenario as a
// rate file. `changed` runs after a choice.
void AddStressTestMenu(QMenu* file, QWidget& page, Session& session, Platform& platform,
                       std::function<void()> changed);
