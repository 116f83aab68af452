#pragma once

#include <QString>
#include <array>
#include <functional>

#include "odds/OddsRunner.h"
#include "render/ComparisonCurve.h"
#include "shell/Session.h"

class QMenu;
class QWidget;
class SettingsStore;

// Starts everyone asks about: the crash, the relapse, the stagflation years,
// the burst bubble and the financial crisis.
inline constexpr std::array<int, 6> kNamedStressStarts = {1929, 1937, 1966, 1973, 2000, 2008};

// The start year of the built-in history whose replay hurts the plan most
// (the historical model's worst trial).
int WorstStartYear(const PlanRecord& plan, PastInflationRule past);

// The plan's net worth on the built-in history from the chosen start, in the
// graph's dollars, dotted.
ComparisonSeries StressSeries(const Session& session);

// The stress test's year table, as the odds page shows a trial.
TrialReplay StressReplay(const PlanRecord& plan, int startYear, PastInflationRule past);

// "S&tress Test" in a result page's File menu: the named starts, the worst
// start for the plan, None and the year table. `changed` runs after a choice.
void AddStressTestMenu(QMenu* file, QWidget& page, Session& session, SettingsStore& settings,
                       std::function<void()> changed);
