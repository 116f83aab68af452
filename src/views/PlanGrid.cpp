#include "views/PlanGrid.h"

#include <QFont>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "engine/ForecastColumns.h"
#include "model/NumberFormat.h"
#include "shell/Session.h"

namespace {

// Money columns take the plan page's titles from the forecast's column list.
constexpr PlanColumn MoneyColumn(int width, std::int64_t YearRecord::*field) {
  return {width, ForecastColumnOf(field).title, field};
}

}  // namespace

const std::array<PlanColumn, kPlanColumnCount> kPlanColumns{{
    {35, "Age1", nullptr},
    MoneyColumn(92, &YearRecord::NetWorth),
    MoneyColumn(84, &YearRecord::TaxDeferred),
    MoneyColumn(92, &YearRecord::TaxableInvest),
    MoneyColumn(82, &YearRecord::Property),
    MoneyColumn(75, &YearRecord::Mortgage),
    MoneyColumn(75, &YearRecord::OtherDebt),
    {10, "", nullptr},
    MoneyColumn(75, &YearRecord::Expenses),
    MoneyColumn(90, &YearRecord::IncomeTaxes),
    MoneyColumn(82, &YearRecord::PropertyTax),
    {10, "", nullptr},
    MoneyColumn(70, &YearRecord::Income),
    MoneyColumn(70, &YearRecord::Salaries),
    MoneyColumn(75, &YearRecord::Pensions),
    MoneyColumn(95, &YearRecord::SocialSecurity),
    MoneyColumn(85, &YearRecord::InvestReturn),
    MoneyColumn(81, &YearRecord::Distribution),
}};

namespace {

constexpr int kRowHeight = 19;
const QColor kCellColour(0, 255, 255);
const QColor kFixedColour(255, 255, 0);

}  // namespace

void SetPlanCell(QTableWidget& grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid.item(row - 1, column);
  if (!item) {
    item = new QTableWidgetItem;
    if (column == kAgeColumn) {
      // The age column is fixed, as the title row: never selected, never copied as a selection.
      item->setFlags(Qt::ItemIsEnabled);
      item->setBackground(kFixedColour);
    } else {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    grid.setItem(row - 1, column, item);
  }
  item->setText(text);
}

void SetupPlanGrid(QTableWidget& grid) {
  grid.setObjectName("PlanGrid");
  QFont font("MS Sans Serif", 8, QFont::Bold);
  grid.setFont(font);
  grid.setColumnCount(kPlanColumnCount);
  QStringList titles;
  for (int c = 0; c < kPlanColumnCount; ++c) titles << kPlanColumns[c].title;
  grid.setHorizontalHeaderLabels(titles);
  for (int c = 0; c < kPlanColumnCount; ++c) {
    grid.setColumnWidth(c, kPlanColumns[c].width);
    // Left-aligned so the titles' leading blanks place them as intended.
    grid.horizontalHeaderItem(c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  grid.verticalHeader()->hide();
  grid.verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid.verticalHeader()->setMinimumSectionSize(kRowHeight);
  QHeaderView* header = grid.horizontalHeader();
  header->setFixedHeight(kRowHeight);
  header->setMinimumSectionSize(1);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  QPalette headerPalette = header->palette();
  headerPalette.setColor(QPalette::Button, kFixedColour);
  headerPalette.setColor(QPalette::Window, kFixedColour);
  headerPalette.setColor(QPalette::ButtonText, Qt::black);
  header->setPalette(headerPalette);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid.setSelectionBehavior(QAbstractItemView::SelectItems);
  grid.setShowGrid(true);
  grid.setWordWrap(false);
  QPalette palette = grid.palette();
  palette.setColor(QPalette::Base, kCellColour);
  palette.setColor(QPalette::Window, kCellColour);
  grid.setPalette(palette);
}

void SetPlanRows(QTableWidget& grid, const Session& session) {
  const int years = RowCount(session.plan);
  grid.setRowCount(years);
  for (int r = 1; r <= years; ++r) {
    SetPlanCell(grid, r, kAgeColumn, QString::number(static_cast<std::int64_t>(session.plan.Age1) + r - 1));
    SetPlanCell(grid, r, 7, QString());
    SetPlanCell(grid, r, 11, QString());
  }
  // Like any spreadsheet, the grid always has a selected cell, the first year's
  // net worth to begin with, so Copy Selection never comes up empty.
  if (years > 0 && (grid.currentRow() < 0 || grid.currentColumn() <= kAgeColumn))
    grid.setCurrentCell(0, 1, QItemSelectionModel::ClearAndSelect);
}

void FillPlanGrid(QTableWidget& grid, const Session& session) {
  const int years = std::min(RowCount(session.plan), grid.rowCount());
  for (int r = 1; r <= years; ++r) {
    const YearRecord& year = session.table.Year(r);
    for (int c = 0; c < kPlanColumnCount; ++c) {
      if (kPlanColumns[c].field == nullptr) continue;
      SetPlanCell(grid, r, c, QString::fromStdString(FormatDollars(year.*kPlanColumns[c].field)));
    }
  }
}

int PlanGridRows(const QTableWidget& grid) { return grid.rowCount() + 1; }

QString PlanCellText(const QTableWidget& grid, int row, int column) {
  if (row == 0) return kPlanColumns[column].title;
  const QTableWidgetItem* item = grid.item(row - 1, column);
  return item ? item->text() : QString();
}

QString PlanGridText(const QTableWidget& grid, int top, int left, int bottom, int right) {
  QString text;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) text += '\t';
      text += PlanCellText(grid, r, c);
    }
    text += "\r\n";
  }
  return text;
}
