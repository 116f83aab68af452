#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "engine/ForecastTable.h"
#include "engine/RatePath.h"

class Desktop;
class QAction;
class QTableWidget;
class QWidget;
struct Platform;
struct Session;

// A forecast to explain a cell of: the plan on some rates, in a dollar view.
// `under` names rates other than the plan's own in the window's title
// ("under the scenario: inflation 5 % 2027-2036"); empty for the plan's own.
struct ExplainedRun {
  const PlanRecord& plan;
  RatePath rates;
  bool currentDollars = false;
  QString under;
};

// Opens the "Why this number?" window on one cell of the run's forecast:
// `field` in forecast year `year` (1 = the current year). `showCell` is told
// when the user activates a term that is another cell (its field name and
// calendar year). Nothing happens for a cell outside the forecast.
void OpenExplanation(QWidget* parent, const ExplainedRun& run, Desktop& desktop, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell);

// The same on the session's forecast, in the dollar view the session shows.
void OpenExplanation(QWidget* parent, const Session& session, Platform& platform, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell);

// "Why this number?" on a year table: right-click a cell, or Ctrl+E while the
// table has the focus, runs `explainCurrentCell`.
QAction* AddWhyThisNumber(QTableWidget* table, std::function<void()> explainCurrentCell);
