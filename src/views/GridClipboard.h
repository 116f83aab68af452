#pragma once

#include <QString>
#include <optional>

class YearGrid;

// The Copy commands of the year grids (the plan table, the comparison's year
// differences): tab-separated text a spreadsheet takes as it is.

// Copy Selection: the first selected rectangle, or the current cell when
// nothing is selected; empty when the grid has neither. The copied block's
// top-left cell becomes the current cell.
std::optional<QString> CopySelectionText(YearGrid& grid);
// Copy All: every row, the title row included, and every column; the first
// year's first figure becomes the current cell.
QString CopyAllText(YearGrid& grid);
