#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/ForecastTable.h"

class QTableWidget;
struct Session;

// One column of the plan grid. Age and separator columns have no field.
struct PlanColumn {
  int width;
  const char* title;
  std::int64_t YearRecord::*field;
};

inline constexpr int kPlanColumnCount = 18;
inline constexpr int kAgeColumn = 0;
extern const std::array<PlanColumn, kPlanColumnCount> kPlanColumns;

// The grid's rows count from the title row 0, as the user sees them: grid row
// r (r >= 1) is forecast year r. The title row is the widget's header so it
// stays in view while the years scroll.

// Column count, widths, titles and the grid's look.
void SetupPlanGrid(QTableWidget& grid);
// Row count, the age column and the empty separator columns for the plan.
void SetPlanRows(QTableWidget& grid, const Session& session);
// Sets the text of grid row `row` (r >= 1), making the cell on first use: the
// age column fixed and never selected, the others selectable.
void SetPlanCell(QTableWidget& grid, int row, int column, const QString& text);
// The money cells of every used year from the forecast table.
void FillPlanGrid(QTableWidget& grid, const Session& session);

// Number of grid rows, the title row included.
int PlanGridRows(const QTableWidget& grid);
QString PlanCellText(const QTableWidget& grid, int row, int column);
// Cells of the rectangle as clipboard text: TAB between cells, CR LF after
// every row, the last included.
QString PlanGridText(const QTableWidget& grid, int top, int left, int bottom, int right);
