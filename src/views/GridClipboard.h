#pragma once

#include <QString>
#include <optional>

class QTableWidget;

// The Copy commands of the result grids (the plan table, the comparison's
// year differences). Rows count from the title row 0 as in PlanGridText.

// Copy Selection: the first selected rectangle, or the current cell when
// nothing is selected; empty when the grid has neither. The copied block's
// top-left cell becomes the current cell.
std::optional<QString> CopySelectionText(QTableWidget& grid);
// Copy All: every row, the title row included, and every column; the first
// year's first figure becomes the current cell.
QString CopyAllText(QTableWidget& grid);
