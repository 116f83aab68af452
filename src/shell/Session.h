#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ForecastTable.h"
#include "engine/RatePath.h"
#include "model/PlanRecord.h"
#include "model/PlanWorkingValues.h"
#include "markets/ForecastRules.h"
#include "shell/ComparisonState.h"
#include "shell/OddsState.h"
#include "shell/PageId.h"
#include "shell/SavedPlanText.h"
#include "markets/StressChoice.h"

// Screens less than this high force the small-screen sizes on the pages.
inline constexpr int kSmallScreenLimit = 560;

struct WindowGeometry {
  int GraphWidth = 506;
  int GraphHeight = 574;
  int PlanWidth = 506;
  int PlanHeight = 574;
  int MinPageWidth = 506;
  int MinPageHeight = 574;
  int SmallScreenHeight = 400;
  int SmallScreenWidth = 536;
  int MaxPageWidth = 1340;
  int ScreenHeight = 0;

  bool IsSmallScreen() const { return ScreenHeight > 0 && ScreenHeight < kSmallScreenLimit; }
};

// Everything the pages share: the plan, its forecast, the navigation state and
// the working values that stand beside the plan. One instance, owned by the
// application and passed to every page by reference.
struct Session {
  PlanRecord plan;
  ForecastTable table;

  // Working values beside the record (PlanFolder, PreviousYear, HomeEditTexts).
  PlanWorkingValues working;
  // Folder the current plan was opened from or saved to (trailing separator);
  // empty until then, which means PlanFolder.
  std::string PlanDirectory;
  // A plan not read from or saved to a file yet (File > New, or a start that
  // found no plan): the captions call it Untitled rather than by a name no
  // file has.
  bool Untitled = false;
  // The plan as its file holds it, for the save-first question and the caption.
  SavedPlanText saved;
  bool IsModified() const { return saved.Differs(plan); }

  // The folder plans are read from and written to: the current plan's own
  // folder once it has one, the plan folder before that. The plan dialogs and
  // the bitmap dialog open there.
  const std::string& CurrentPlanFolder() const;
  // Full path of the current plan: its own folder joined with PlanFileName.
  std::string PlanPath() const;

  // Navigation.
  PageId LastPageLeft = PageId::Graph;
  bool SuppressRefresh = false;
  bool Exiting = false;
  int LastTop = 20;
  int LastLeft = 20;

  // Result views: the shared dollar switch and the graph's curve check boxes.
  bool CurrentDollars = false;
  std::array<bool, 8> CurveShown{true, true, true, true, true, true, true, true};
  // The second plan while a comparison is open.
  ComparisonState comparison;
  // The last odds run's percentiles, for the graph's net-worth band.
  OddsState odds;
  // The history start drawn beside the plan on the graph.
  StressChoice stress;

  WindowGeometry geometry;

  // What the years before the plan's current year take and which tax rules
  // the future years follow, in every run the pages make: the forecast, the
  // odds, the comparisons, the stress tests and the solver. Program settings,
  // not part of the plan.
  ForecastRules Rules;
  // Takes `rules` from now on: the forecast and an open comparison's curve run
  // again, and the odds of other rules are forgotten. False, doing nothing,
  // when they are the rules in force.
  bool ChooseRules(ForecastRules rules);
  // The plan's own rates under the rules: what the pages run on.
  RatePath PlanRates() const;
  // The line a printout carries about the rules it ran on; empty for the defaults.
  std::string RulesNote() const;

  // Runs the forecast and, when current-year dollars are chosen, converts it.
  void RunForecastForView();
  // Some amount of the last forecast run reached the largest figure.
  bool ForecastSaturated = false;
  // Flips the dollar switch and converts the table to the newly chosen dollars.
  void SwitchDollars();
};
