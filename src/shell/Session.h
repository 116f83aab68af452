#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"
#include "model/PlanWorkingValues.h"

// Page numbers: the number in each page's class name.
enum PageNumber : int {
  kGraphPage = 1,
  kPlanPage = 2,
  kPersonalPage = 3,
  kExpensePage = 4,
  kIncomePage = 5,
  kAssetsPage = 6,
  kTaxesPage = 7,
  kAssumptionsPage = 8,
  kHomeExpensePage = 9,
  kAutoExpensePage = 10,
  kMedicalExpensePage = 11,
  kCommunicationExpensePage = 12,
  kEntertainmentExpensePage = 13,
  kFoodExpensePage = 14,
  kEducationPage = 15,
  kOtherExpensePage = 16,
  kHomeStatusPage = 17,
  kTextPage = 18,
  kAboutPage = 20,
  kOddsPage = 21,
};

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

  // Full path of the current plan: its own folder joined with PlanFileName.
  std::string PlanPath() const;

  // Navigation.
  int LastPageLeft = kGraphPage;
  bool SuppressRefresh = false;
  bool Exiting = false;
  int LastTop = 20;
  int LastLeft = 20;

  // Cross-page requests raised by one page's validation for the next switch.
  bool PersonalPageDue = false;
  bool PersonalPageRequested = false;

  // Result views: the shared dollar switch and the graph's curve check boxes.
  bool CurrentDollars = false;
  std::array<bool, 8> CurveShown{true, true, true, true, true, true, true, true};

  WindowGeometry geometry;

  // Runs the forecast and, when current-year dollars are chosen, converts it.
  void RunForecastForView();
  // Flips the dollar switch and converts the table to the newly chosen dollars.
  void SwitchDollars();
};
