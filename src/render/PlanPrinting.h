#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/ForecastTable.h"

class QPainter;
class QPagedPaintDevice;
struct PlanRecord;

// The printed plan table: the assets, expenses and income sections and the
// chosen columns, each on one page, or on two when the plan runs more than 40
// years; every page begins with the year and the persons' ages. Prints the table
// as it stands, in the dollar view the user chose; it never re-runs the
// forecast.
struct PlanPrintJob {
  const PlanRecord& plan;
  const ForecastTable& table;
  bool currentDollars = false;
  QString note;  // at the foot of every page, when not empty
  // Fields the user chose to show beyond the plan page's, printed after the three sections.
  std::vector<std::int64_t YearRecord::*> chosen = {};
};

// True when each section needs a second page.
bool TwoPagePlan(const PlanRecord& plan);

// Draws every page with `painter`; `newPage` is called between pages and
// stops the printout when it returns false. Returns the pages drawn.
int PrintPlanTable(QPainter& painter, const std::function<bool()>& newPage, const PlanPrintJob& job);
// The same on a printer or PDF writer, as one job.
int PrintPlanTable(QPagedPaintDevice& device, const PlanPrintJob& job);
