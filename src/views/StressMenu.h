#pragma once

#include <QString>
#include <array>
#include <functional>

#include "markets/StressSequence.h"
#include "render/ComparisonCurve.h"
#include "shell/Session.h"

class QMenu;
class QWidget;
struct Platform;

// Starts everyone asks about: the crash, the relapse, the stagflation years,
// the burst bubble and the financial crisis.
inline constexpr std::array<int, 6> kNamedStressStarts = {1929, 1937, 1966, 1973, 2000, 2008};

// What an explanation's title adds to name those rates: "under the scenario:
// inflation 5 % 2027-2036", "starting as 1966", "starting as 1994: 1994-2025,
// then 1928-1941".
QString StressRatesTitle(const PlanRecord& plan, const StressChoice& stress);

// The plan's net worth on the stress test's rates, in the graph's dollars, dotted.
ComparisonSeries StressSeries(const Session& session);

// "S&tress Test" in a result page's File menu: the named starts, the worst
// start for the plan, a typed rate scenario, None, the year table (whose cells
// explain themselves on the stress test's rates) and saving the scenario as a
// rate file; where the history's sequence begins, whether spending follows
// prices down in deflation and whether the home-equity limit may go negative
// (rules of every forecast, remembered).
// `changed` runs after a stress test is chosen, `rulesChanged` after the
// forecast was run again under other rules.
void AddStressTestMenu(QMenu* file, QWidget& page, Session& session, Platform& platform,
                       std::function<void()> changed, std::function<void()> rulesChanged);
