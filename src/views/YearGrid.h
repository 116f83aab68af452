#pragma once

#include <QTableWidget>
#include <vector>

#include "views/YearColumns.h"

// A read-only year table: one row per forecast year under a title row that
// stays in view, the year and ages fixed on the left, money columns as wide
// as their widest text. The plan page, a trial's table and the comparison's
// differences use it.
//
// Rows count from the title row 0, as the user sees them: row r (r >= 1) is
// forecast year r.
class YearGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit YearGrid(QWidget* parent = nullptr);

  // Replaces the columns, emptying the cells until they are filled again;
  // the same columns again change nothing, so the user's selection stays.
  void SetColumns(std::vector<YearColumn> columns);
  const std::vector<YearColumn>& Columns() const { return columns_; }

  // Every used year of `plan` from `table`, columns fitted to the texts.
  void ShowYears(const PlanRecord& plan, const ForecastTable& table);

  // For callers that fill the cells themselves; FitColumns once done.
  void SetYearCount(int years);
  void SetCell(int row, int column, const QString& text);
  void FitColumns();

  // Number of rows, the title row included.
  int Rows() const { return rowCount() + 1; }
  QString CellText(int row, int column) const;
  // The rectangle as tab-separated text, CR LF after every row.
  QString Text(int top, int left, int bottom, int right) const;

  // The column showing `field`, or -1.
  int ColumnOf(YearField field) const;
  // Makes `field` (a year-table field name) of forecast year `year` the
  // current cell; nothing when the grid does not show it.
  void SelectCell(const std::string& field, int year);
  // The field of a money column; nullptr for the year, the ages and columns out of range.
  YearField FieldAt(int column) const;
  int FirstMoneyColumn() const;
  // The width that shows every column without a horizontal scroll bar.
  int FullWidth() const;

 private:
  // Like any spreadsheet, the grid always has a selected cell, the first
  // year's first figure to begin with, so Copy Selection never comes up empty.
  void KeepACurrentCell();

  std::vector<YearColumn> columns_;
};
