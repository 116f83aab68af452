#include "render/PlanPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/DollarViews.h"
#include "engine/ExplainTrace.h"
#include "engine/Explanation.h"
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

// A printed column: a calendar year, a person's age or a money field.
struct PrintColumn {
  std::vector<QString> heading;
  std::int64_t YearRecord::*field = nullptr;  // nullptr: year or age
  std::int64_t first = 0;                     // the value of a year or age column in the first year
};

struct PrintSection {
  QString name;
  int headingRow;
  std::vector<PrintColumn> columns;
};

struct MoneyColumn {
  std::vector<const char*> heading;
  std::int64_t YearRecord::*field;
};

struct FixedSection {
  const char* name;
  int headingRow;
  std::vector<MoneyColumn> columns;
};

const std::array<FixedSection, 3> kSections{{
    {"Assets",
     3,
     {{{"Net", "Worth"}, &YearRecord::NetWorth},
      {{"Investments", "Tax Deferred"}, &YearRecord::TaxDeferred},
      {{"Investments", "Taxable"}, &YearRecord::TaxableInvest},
      {{"Property", "Value"}, &YearRecord::Property},
      {{"Mortgage", "Balance"}, &YearRecord::Mortgage},
      {{"Other", "Debt"}, &YearRecord::OtherDebt}}},
    {"Expenses",
     3,
     {{{"Total", "Expenses"}, &YearRecord::Expenses},
      {{"Income", "Taxes"}, &YearRecord::IncomeTaxes},
      {{"Property", "Taxes"}, &YearRecord::PropertyTax}}},
    {"Income",
     2,
     {{{"Total", "Income"}, &YearRecord::Income},
      {{"Salaries", "Income"}, &YearRecord::Salaries},
      {{"Pensions", "Income"}, &YearRecord::Pensions},
      {{"Social", "Security", "Income"}, &YearRecord::SocialSecurity},
      {{"Investments", "Taxable", "Income"}, &YearRecord::InvestReturn},
      {{"Investments", "Tax Deferred", "Distributions"}, &YearRecord::Distribution}}},
}};

// The chosen fields print after the three sections, this many to a page.
constexpr std::size_t kChosenPerPage = 6;

// A field's title in heading lines of at most about 12 letters.
std::vector<QString> HeadingLines(const std::string& title) {
  std::vector<QString> lines;
  for (const QString& word : QString::fromStdString(title).split(' ', Qt::SkipEmptyParts)) {
    if (!lines.empty() && lines.back().size() + 1 + word.size() <= 12 && lines.size() < 3) {
      lines.back() += " " + word;
    } else if (lines.size() < 3) {
      lines.push_back(word);
    } else {
      lines.back() += " " + word;
    }
  }
  return lines;
}

// Year and both ages open every section, under the persons' names.
std::vector<PrintColumn> KeyColumns(const PlanRecord& plan) {
  std::vector<PrintColumn> columns = {{{"Year"}, nullptr, plan.CurrentYear},
                                      {{"Age", QString::fromStdString(plan.Name1)}, nullptr, plan.Age1}};
  if (plan.SecondPerson) columns.push_back({{"Age", QString::fromStdString(plan.Name2)}, nullptr, plan.Age2});
  return columns;
}

std::vector<PrintSection> SectionsOf(const PlanPrintJob& job) {
  std::vector<PrintSection> sections;
  for (const FixedSection& fixed : kSections) {
    PrintSection section{fixed.name, fixed.headingRow, KeyColumns(job.plan)};
    for (const MoneyColumn& column : fixed.columns) {
      std::vector<QString> heading(column.heading.begin(), column.heading.end());
      section.columns.push_back({heading, column.field});
    }
    sections.push_back(section);
  }
  for (std::size_t from = 0; from < job.chosen.size(); from += kChosenPerPage) {
    PrintSection section{"Chosen Columns", 2, KeyColumns(job.plan)};
    for (std::size_t i = from; i < std::min(job.chosen.size(), from + kChosenPerPage); ++i)
      section.columns.push_back({HeadingLines(FieldTitle(SlotOf(job.chosen[i]))), job.chosen[i]});
    sections.push_back(section);
  }
  return sections;
}

struct TableGeometry {
  PrinterPage page;
  int left, top, unit, tableWidth, rowHeight;

  explicit TableGeometry(const PrinterPage& p) : page(p) {
    const long double width = p.PageWidthDots;
    const long double height = p.PageHeightDots;
    // Narrow side margins leave room for the year and both ages beside the amounts.
    left = RoundPixel(0.06L * width);
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

// The left edge of each column and the table's right edge: a year or an age
// column is a little narrower than an amount's.
std::vector<int> ColumnEdges(const TableGeometry& g, const PrintSection& section) {
  long double units = 0.0L;
  for (const PrintColumn& column : section.columns) units += column.field ? 1.0L : 0.9L;
  std::vector<int> edges = {g.left};
  long double at = 0.0L;
  for (const PrintColumn& column : section.columns) {
    at += column.field ? 1.0L : 0.9L;
    edges.push_back(g.left + RoundPixel(g.tableWidth * at / units));
  }
  return edges;
}

void DrawGrid(GraphCanvas& canvas, const TableGeometry& g, int headingRow, const std::vector<int>& edges) {
  canvas.Painter().setPen(QPen(QColor(0, 255, 255), 0));
  for (int k = 3; k < kGridRows; ++k) {
    if (k >= kFirstDataRow && k % 5 == 0) continue;
    canvas.ThinLine(g.left, g.RowTop(k), g.Right(), g.RowTop(k));
  }
  canvas.SetBlack();
  for (int k = kFirstDataRow; k <= kGridRows; k += 5) canvas.ThinLine(g.left, g.RowTop(k), g.Right(), g.RowTop(k));
  const int headingTop = g.RowTop(headingRow);
  canvas.ThinLine(g.left, headingTop, g.Right(), headingTop);
  const int bottom = g.RowTop(kGridRows);
  canvas.ThinLine(g.left, headingTop, g.left, bottom);
  canvas.ThinLine(g.Right(), headingTop, g.Right(), bottom);
  for (std::size_t c = 1; c + 1 < edges.size(); ++c) canvas.ThinLine(edges[c], headingTop, edges[c], bottom);
}

void DrawPage(QPainter& painter, const TableGeometry& g, const PrintSection& section, bool secondPage,
              const PlanPrintJob& job) {
  const bool twoPages = TwoPagePlan(job.plan);
  painter.fillRect(0, 0, painter.device()->width(), painter.device()->height(), Qt::white);
  const int columns = static_cast<int>(section.columns.size());
  const std::vector<int> edges = ColumnEdges(g, section);
  // Lines and labels are the graph's printer helpers: doubled lines 3 dots apart.
  GraphCanvas canvas(painter, CanvasStyle{3, 3, 0, false});

  painter.setFont(PrinterFont(16, false, true));
  canvas.DrawLabel(g.Centre(), g.top - 10 * g.unit, PlanTitle(job.plan), TextAnchor::Centre);
  canvas.DrawLabel(g.Centre(), g.RowTop(2) - 10 * g.unit, Subtitle(section, twoPages, secondPage), TextAnchor::Centre);
  painter.setFont(PrinterFont(12));
  canvas.DrawLabel(g.Centre(), g.RowTop(3) - 8 * g.unit, DollarLine(job.plan, job.currentDollars), TextAnchor::Centre);

  DrawGrid(canvas, g, section.headingRow, edges);

  canvas.SetBlack();
  // Figures right-aligned, so their digits line up.
  const auto cellX = [&](int c) { return edges[static_cast<std::size_t>(c) + 1] - 2 * g.unit; };
  const auto cellY = [&](int k) { return g.RowTop(k) + 2 * g.unit; };
  // Headings a size smaller than the figures, so the persons' names fit their narrow columns.
  painter.setFont(PrinterFont(7, true));
  for (int c = 0; c < columns; ++c) {
    const std::vector<QString>& heading = section.columns[static_cast<std::size_t>(c)].heading;
    for (std::size_t line = 0; line < heading.size(); ++line)
      canvas.DrawLabel(cellX(c), cellY(section.headingRow + static_cast<int>(line)), heading[line], TextAnchor::Right);
  }
  painter.setFont(PrinterFont(8, true));

  const int years = RowCount(job.plan);
  const int first = secondPage ? kYearsPerPage + 1 : 1;
  const int last = secondPage ? years : std::min(kYearsPerPage, years);
  for (int j = first; j <= last; ++j) {
    const int row = j - first + kFirstDataRow;
    const YearRecord& year = job.table.Year(j);
    for (int c = 0; c < columns; ++c) {
      const PrintColumn& column = section.columns[static_cast<std::size_t>(c)];
      const QString text = column.field ? QString::fromStdString(FormatDollars(year.*column.field))
                                        : QString::number(column.first + j - 1);
      canvas.DrawLabel(cellX(c), cellY(row), text, TextAnchor::Right);
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
  for (const PrintSection& section : SectionsOf(job)) {
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
