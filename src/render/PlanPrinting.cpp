#include "render/PlanPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/DollarViews.h"
#include "engine/ForecastTable.h"
#include "model/NumberFormat.h"
#include "model/PlanRecord.h"
#include "render/GraphCanvas.h"
#include "render/GraphGeometry.h"
#include "render/PrintNote.h"
#include "render/PrinterPage.h"

namespace {

constexpr int kGridRows = 45;
constexpr int kYearsPerPage = 40;
constexpr int kFirstDataRow = 5;

struct PrintColumn {
  std::vector<const char*> heading;
  std::int64_t YearRecord::*field;
};

struct PrintSection {
  const char* name;
  int headingRow;
  std::vector<PrintColumn> columns;
};

const std::vector<const char*> kAgeHeading{"Age for", "Name #1"};

const std::array<PrintSection, 3> kSections{{
    {"Assets",
     3,
     {{kAgeHeading, nullptr},
      {{"Net", "Worth"}, &YearRecord::NetWorth},
      {{"Investments", "Tax Deferred"}, &YearRecord::TaxDeferred},
      {{"Investments", "Taxable"}, &YearRecord::TaxableInvest},
      {{"Property", "Value"}, &YearRecord::Property},
      {{"Mortgage", "Balance"}, &YearRecord::Mortgage},
      {{"Other", "Debt"}, &YearRecord::OtherDebt}}},
    {"Expenses",
     3,
     {{kAgeHeading, nullptr},
      {{"Total", "Expenses"}, &YearRecord::Expenses},
      {{"Income", "Taxes"}, &YearRecord::IncomeTaxes},
      {{"Property", "Taxes"}, &YearRecord::PropertyTax}}},
    {"Income",
     2,
     {{kAgeHeading, nullptr},
      {{"Total", "Income"}, &YearRecord::Income},
      {{"Salaries", "Income"}, &YearRecord::Salaries},
      {{"Pensions", "Income"}, &YearRecord::Pensions},
      {{"Social", "Security", "Income"}, &YearRecord::SocialSecurity},
      {{"Investments", "Taxable", "Income"}, &YearRecord::InvestReturn},
      {{"Investments", "Tax Deferred", "Distributions"}, &YearRecord::Distribution}}},
}};

struct TableGeometry {
  PrinterPage page;
  int left, top, unit, tableWidth, rowHeight;

  explicit TableGeometry(const PrinterPage& p) : page(p) {
    const long double width = p.PageWidthDots;
    const long double height = p.PageHeightDots;
    left = RoundPixel(0.1L * width);
    top = RoundPixel(0.1L * height);
    const int bottom = RoundPixel(0.04L * height);
    unit = RoundPixel(0.004L * height);
    tableWidth = p.PageWidthDots - 2 * left;
    rowHeight = RoundPixel(static_cast<long double>(p.PageHeightDots - top - bottom) / kGridRows);
  }
  int RowTop(int k) const { return top + k * rowHeight; }
  int Right() const { return page.PageWidthDots - left; }
  int Centre() const { return RoundPixel(page.PageWidthDots / 2.0L); }
};

QString PlanTitle(const PlanRecord& plan) {
  std::string title = "Financial Plan for " + plan.Name1;
  if (plan.SecondPerson) title += " and " + plan.Name2;
  return QString::fromStdString(title);
}

QString Subtitle(const PrintSection& section, bool twoPages, bool secondPage) {
  QString subtitle = section.name;
  if (secondPage) return subtitle + " - Page 2 of 2";
  if (twoPages) subtitle += " - Page 1 of 2";
  return subtitle;
}

QString DollarLine(const PlanRecord& plan, bool currentDollars) {
  return QString::fromStdString(DollarViewName(currentDollars, plan.CurrentYear));
}

void DrawGrid(GraphCanvas& canvas, const TableGeometry& g, const PrintSection& section, int columnWidth) {
  canvas.Painter().setPen(QPen(QColor(0, 255, 255), 0));
  for (int k = 3; k < kGridRows; ++k) {
    if (k >= kFirstDataRow && k % 5 == 0) continue;
    canvas.ThinLine(g.left, g.RowTop(k), g.Right(), g.RowTop(k));
  }
  canvas.SetBlack();
  for (int k = kFirstDataRow; k <= kGridRows; k += 5) canvas.ThinLine(g.left, g.RowTop(k), g.Right(), g.RowTop(k));
  const int headingTop = g.RowTop(section.headingRow);
  canvas.ThinLine(g.left, headingTop, g.Right(), headingTop);
  const int bottom = g.RowTop(kGridRows);
  canvas.ThinLine(g.left, headingTop, g.left, bottom);
  canvas.ThinLine(g.Right(), headingTop, g.Right(), bottom);
  const int columns = static_cast<int>(section.columns.size());
  for (int c = 1; c < columns; ++c) {
    const int x = g.left + c * columnWidth;
    canvas.ThinLine(x, headingTop, x, bottom);
  }
}

void DrawPage(QPainter& painter, const TableGeometry& g, const PrintSection& section, bool secondPage,
              const PlanPrintJob& job) {
  const bool twoPages = TwoPagePlan(job.plan);
  painter.fillRect(0, 0, painter.device()->width(), painter.device()->height(), Qt::white);
  const int columns = static_cast<int>(section.columns.size());
  const int columnWidth = RoundPixel(static_cast<long double>(g.tableWidth) / columns);
  // Lines and labels are the graph's printer helpers: doubled lines 3 dots apart.
  GraphCanvas canvas(painter, CanvasStyle{3, 3, 0, false});

  painter.setFont(PrinterFont(16, false, true));
  canvas.DrawLabel(g.Centre(), g.top - 10 * g.unit, PlanTitle(job.plan), TextAnchor::Centre);
  canvas.DrawLabel(g.Centre(), g.RowTop(2) - 10 * g.unit, Subtitle(section, twoPages, secondPage), TextAnchor::Centre);
  painter.setFont(PrinterFont(12));
  canvas.DrawLabel(g.Centre(), g.RowTop(3) - 8 * g.unit, DollarLine(job.plan, job.currentDollars), TextAnchor::Centre);

  DrawGrid(canvas, g, section, columnWidth);

  canvas.SetBlack();
  painter.setFont(PrinterFont(8, true));
  const auto cellX = [&](int c) { return g.left + c * columnWidth + 2 * g.unit; };
  const auto cellY = [&](int k) { return g.RowTop(k) + 2 * g.unit; };
  for (int c = 0; c < columns; ++c) {
    const std::vector<const char*>& heading = section.columns[static_cast<std::size_t>(c)].heading;
    for (std::size_t line = 0; line < heading.size(); ++line)
      canvas.DrawLabel(cellX(c), cellY(section.headingRow + static_cast<int>(line)), heading[line], TextAnchor::Left);
  }

  const int years = RowCount(job.plan);
  const int first = secondPage ? kYearsPerPage + 1 : 1;
  const int last = secondPage ? years : std::min(kYearsPerPage, years);
  for (int j = first; j <= last; ++j) {
    const int row = j - first + kFirstDataRow;
    const YearRecord& year = job.table.Year(j);
    const std::int64_t age = static_cast<std::int64_t>(job.plan.Age1) + j - 1;
    canvas.DrawLabel(cellX(0), cellY(row), QString::number(age), TextAnchor::Left);
    for (int c = 1; c < columns; ++c) {
      const std::int64_t value = year.*section.columns[static_cast<std::size_t>(c)].field;
      canvas.DrawLabel(cellX(c), cellY(row), QString::fromStdString(FormatDollars(value)), TextAnchor::Left);
    }
  }
  DrawPrintNote(painter, job.note);
}

}  // namespace

bool TwoPagePlan(const PlanRecord& plan) { return RowCount(plan) > kYearsPerPage; }

int PrintPlanTable(QPainter& painter, const std::function<bool()>& newPage, const PlanPrintJob& job) {
  const TableGeometry geometry(ReadPrinterPage(*painter.device()));
  const bool twoPages = TwoPagePlan(job.plan);
  int pages = 0;
  for (const PrintSection& section : kSections) {
    for (int part = 0; part < (twoPages ? 2 : 1); ++part) {
      if (pages > 0 && !newPage()) return pages;
      DrawPage(painter, geometry, section, part == 1, job);
      ++pages;
    }
  }
  return pages;
}

int PrintPlanTable(QPagedPaintDevice& device, const PlanPrintJob& job) {
  return PrintPages(device, [&job](QPainter& painter, const std::function<bool()>& newPage) {
    return PrintPlanTable(painter, newPage, job);
  });
}
