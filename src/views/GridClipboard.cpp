#include "views/GridClipboard.h"

#include "views/YearGrid.h"

std::optional<QString> CopySelectionText(YearGrid& grid) {
  const QList<QTableWidgetSelectionRange> ranges = grid.selectedRanges();
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
  if (!ranges.isEmpty()) {
    const QTableWidgetSelectionRange& range = ranges.constFirst();
    top = range.topRow() + 1;
    left = range.leftColumn();
    bottom = range.bottomRow() + 1;
    right = range.rightColumn();
  } else if (grid.currentRow() >= 0 && grid.currentColumn() >= 0) {
    top = bottom = grid.currentRow() + 1;
    left = right = grid.currentColumn();
  } else {
    return std::nullopt;
  }
  const QString text = grid.Text(top, left, bottom, right);
  grid.setCurrentCell(top - 1, left, QItemSelectionModel::ClearAndSelect);
  return text;
}

QString CopyAllText(YearGrid& grid) {
  if (grid.rowCount() > 0) grid.setCurrentCell(0, grid.FirstMoneyColumn(), QItemSelectionModel::ClearAndSelect);
  return grid.Text(0, 0, grid.Rows() - 1, grid.columnCount() - 1);
}
