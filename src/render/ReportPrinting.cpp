#include "render/ReportPrinting.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "render/GraphGeometry.h"
#include "render/GraphPrinting.h"
#include "render/PrinterPage.h"
#include "render/ReportChartPainting.h"
#include "render/ReportSheets.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

void PlaceHeading(ReportSheets& sheets, const std::string& text) {
  const QFont font = ReportSheets::Font(12, true);
  const int line = sheets.LineHeight(font);
  sheets.Need(line * 5);
  sheets.Advance(line / 3);
  if (sheets.Drawing()) {
    sheets.Painter().setFont(font);
    sheets.Painter().drawText(QRect(sheets.Left(), sheets.Top(), sheets.Width(), line),
                              Qt::AlignLeft | Qt::AlignVCenter, Text(text));
  }
  sheets.Advance(line * 5 / 4);
}

// Headings keep a few lines of what follows with them; paragraphs wrap.
void PlaceText(ReportSheets& sheets, const ReportBlock& block) {
  if (block.kind == ReportBlock::Kind::Heading) {
    PlaceHeading(sheets, block.text);
    return;
  }
  const std::string& text = block.text;
  const QFont font = ReportSheets::Font(10);
  const QFontMetrics metrics(font, sheets.Painter().device());
  const int flags = Qt::AlignLeft | Qt::TextWordWrap;
  const QRect bounds = metrics.boundingRect(QRect(0, 0, sheets.Width(), 1 << 24), flags, Text(text));
  sheets.Need(bounds.height());
  if (sheets.Drawing()) {
    sheets.Painter().setFont(font);
    sheets.Painter().drawText(QRect(sheets.Left(), sheets.Top(), sheets.Width(), bounds.height()), flags, Text(text));
  }
  sheets.Advance(bounds.height() + metrics.height() / 2);
}

// Columns side by side that fit the width: the key columns, then as many others as fit.
// A table without key columns repeats its first one, which names the rows.
std::vector<std::vector<std::size_t>> ColumnGroups(const ReportTable& table, const std::vector<int>& widths, int room) {
  const std::size_t keys = std::min<std::size_t>(std::max(table.keyColumns, 1), widths.size());
  int keyWidth = 0;
  for (std::size_t c = 0; c < keys; ++c) keyWidth += widths[c];
  std::vector<std::vector<std::size_t>> groups;
  for (std::size_t c = keys; c < widths.size(); ++c) {
    int used = keyWidth;
    if (!groups.empty()) {
      for (std::size_t k = keys; k < groups.back().size(); ++k) used += widths[groups.back()[k]];
    }
    if (groups.empty() || used + widths[c] > room) {
      groups.emplace_back();
      for (std::size_t k = 0; k < keys; ++k) groups.back().push_back(k);
    }
    groups.back().push_back(c);
  }
  // A table of key columns only.
  if (groups.empty()) {
    groups.emplace_back();
    for (std::size_t k = 0; k < keys; ++k) groups.back().push_back(k);
  }
  return groups;
}

constexpr int kCellFlags = Qt::AlignVCenter | Qt::TextWordWrap;

// A table's columns: their widths, and the cell padding and plain row height.
struct TableColumns {
  std::vector<int> widths;
  int pad = 0;
  int height = 0;
  std::size_t wrapped = SIZE_MAX;  // the column whose text wraps, if any
};

// Each column as wide as its widest text; a table wider than the room it has
// and no key columns to split by wraps the text of its widest left-aligned column.
TableColumns MeasureColumns(const ReportTable& table, const QFontMetrics& metrics, int room) {
  TableColumns columns{std::vector<int>(table.header.size(), 0), metrics.height() / 2, metrics.height() * 5 / 4};
  std::vector<int>& widths = columns.widths;
  int total = 0;
  std::size_t widestText = widths.size();
  for (std::size_t c = 0; c < widths.size(); ++c) {
    widths[c] = metrics.horizontalAdvance(Text(table.header[c]));
    for (const auto& row : table.rows) widths[c] = std::max(widths[c], metrics.horizontalAdvance(Text(row[c])));
    // A little slack, so rounding never wraps a text measured to fit.
    widths[c] += 2 * columns.pad + columns.pad / 2;
    total += widths[c];
    if (!table.rightAligned[c] && (widestText == widths.size() || widths[c] > widths[widestText])) widestText = c;
  }
  if (total > room && table.keyColumns == 0 && widestText < widths.size()) {
    widths[widestText] = std::max(room - (total - widths[widestText]), room / 4);
    columns.wrapped = widestText;
  }
  return columns;
}

int RowHeight(const std::vector<std::string>& cells, const std::vector<std::size_t>& group, const TableColumns& columns,
              const QFontMetrics& metrics) {
  const std::size_t c = columns.wrapped;
  if (std::find(group.begin(), group.end(), c) == group.end()) return columns.height;
  const QRect bounds =
      metrics.boundingRect(QRect(0, 0, columns.widths[c] - 2 * columns.pad, 1 << 24), Qt::TextWordWrap, Text(cells[c]));
  return std::max(columns.height, bounds.height() + columns.height - metrics.height());
}

void PlaceRow(ReportSheets& sheets, const ReportTable& table, const std::vector<std::string>& cells,
              const std::vector<std::size_t>& group, const std::vector<int>& widths, int height, int pad) {
  if (!sheets.Drawing()) return;
  int x = sheets.Left();
  for (const std::size_t c : group) {
    const int align = (table.rightAligned[c] ? Qt::AlignRight : Qt::AlignLeft) | kCellFlags;
    sheets.Painter().drawText(QRect(x + pad, sheets.Top(), widths[c] - 2 * pad, height), align, Text(cells[c]));
    x += widths[c];
  }
}

void PlaceHeaderRow(ReportSheets& sheets, const ReportTable& table, const std::vector<std::size_t>& group,
                    const std::vector<int>& widths, int height, int pad, int tableWidth) {
  if (sheets.Drawing()) sheets.Painter().setFont(ReportSheets::Font(8, true));
  PlaceRow(sheets, table, table.header, group, widths, height, pad);
  sheets.Advance(height);
  if (sheets.Drawing()) {
    sheets.Painter().setPen(QPen(Qt::black, height / 16));
    sheets.Painter().drawLine(sheets.Left(), sheets.Top(), sheets.Left() + tableWidth, sheets.Top());
    sheets.Painter().setFont(ReportSheets::Font(8));
  }
}

void PlaceTable(ReportSheets& sheets, const ReportTable& table) {
  const QFontMetrics metrics(ReportSheets::Font(8, true), sheets.Painter().device());
  const TableColumns columns = MeasureColumns(table, metrics, sheets.Width());
  const std::vector<int>& widths = columns.widths;
  for (const std::vector<std::size_t>& group : ColumnGroups(table, widths, sheets.Width())) {
    int tableWidth = 0;
    for (const std::size_t c : group) tableWidth += widths[c];
    const int headerHeight = RowHeight(table.header, group, columns, metrics);
    sheets.Need(headerHeight + columns.height * 3);
    PlaceHeaderRow(sheets, table, group, widths, headerHeight, columns.pad, tableWidth);
    for (std::size_t r = 0; r < table.rows.size() && !sheets.Stopped(); ++r) {
      const int height = RowHeight(table.rows[r], group, columns, metrics);
      if (height > sheets.Room()) {
        sheets.Need(headerHeight + height);
        PlaceHeaderRow(sheets, table, group, widths, headerHeight, columns.pad, tableWidth);
      }
      // Every other row shaded, so a long row reads across.
      if (sheets.Drawing() && r % 2 == 1)
        sheets.Painter().fillRect(sheets.Left(), sheets.Top(), tableWidth, height, QColor(238, 238, 238));
      PlaceRow(sheets, table, table.rows[r], group, widths, height, columns.pad);
      sheets.Advance(height);
    }
    sheets.Advance(columns.height);
  }
}

void PlaceChart(ReportSheets& sheets, const ReportChart& chart) {
  const int height = sheets.Content().height() * (chart.small ? 36 : 44) / 100;
  sheets.Need(height);
  if (sheets.Drawing())
    PaintReportChart(sheets.Painter(), QRect(sheets.Left(), sheets.Top(), sheets.Width(), height), chart);
  sheets.Advance(height + sheets.LineHeight(ReportSheets::Font(10)));
}

// Screen type is 12 pixels high; the drawing's pixels become the page's by one scale, type included.
void PlaceDrawing(ReportSheets& sheets, const ReportDrawing& drawing) {
  if (drawing.size.isEmpty()) return;
  const double scale = std::min(static_cast<double>(sheets.Width()) / drawing.size.width(),
                                sheets.Content().height() * 0.9 / drawing.size.height());
  const int height = static_cast<int>(drawing.size.height() * scale);
  sheets.Need(height);
  if (sheets.Drawing()) {
    QPainter& painter = sheets.Painter();
    painter.save();
    painter.translate(sheets.Left(), sheets.Top());
    painter.scale(scale, scale);
    // In points, as the screen's charts scale their type from it.
    QFont font = ReportSheets::Font(9);
    font.setPointSizeF(12.0 * 72.0 / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(Qt::black);
    drawing.paint(painter, QRect(QPoint(0, 0), drawing.size));
    painter.restore();
  }
  sheets.Advance(height + sheets.LineHeight(ReportSheets::Font(10)));
}

void PlacePlanGraph(ReportSheets& sheets, const ReportPrintJob& job) {
  if (!sheets.Drawing()) return;
  QPainter& painter = sheets.Painter();
  const std::array<bool, kCurveCount> all{true, true, true, true, true, true, true, true};
  const GraphPrintJob graph{
      {job.plan, job.currentTable, true, all}, ComputeScales(job.plan, job.currentTable, all), {}};
  painter.save();
  PrintGraph(painter, graph);
  painter.restore();
}

int Lay(QPainter& painter, const std::function<bool()>& newPage, const ReportPrintJob& job, int totalSheets) {
  ReportSheets sheets(painter, job.document, newPage, totalSheets);
  for (const ReportPage& page : job.document.pages) {
    const bool graph = !page.blocks.empty() && page.blocks.front().kind == ReportBlock::Kind::PlanGraph;
    sheets.StartPage(Text(page.title), !graph);
    for (const ReportBlock& block : page.blocks) {
      if (sheets.Stopped()) return sheets.Sheets();
      switch (block.kind) {
        case ReportBlock::Kind::Heading:
        case ReportBlock::Kind::Paragraph:
          PlaceText(sheets, block);
          break;
        case ReportBlock::Kind::Table:
          PlaceTable(sheets, block.table);
          break;
        case ReportBlock::Kind::Chart:
          PlaceChart(sheets, block.chart);
          break;
        case ReportBlock::Kind::PlanGraph:
          PlacePlanGraph(sheets, job);
          break;
        case ReportBlock::Kind::Drawing:
          if (block.drawing < job.drawings.size()) PlaceDrawing(sheets, job.drawings[block.drawing]);
          break;
      }
    }
  }
  sheets.Finish();
  return sheets.Sheets();
}

}  // namespace

int CountReportSheets(QPainter& painter, const ReportPrintJob& job) {
  return Lay(
      painter, [] { return true; }, job, 0);
}

int PrintReport(QPainter& painter, const std::function<bool()>& newPage, const ReportPrintJob& job) {
  return Lay(painter, newPage, job, CountReportSheets(painter, job));
}

int PrintReport(QPagedPaintDevice& device, const ReportPrintJob& job) {
  return PrintPages(device, [&job](QPainter& painter, const std::function<bool()>& newPage) {
    return PrintReport(painter, newPage, job);
  });
}
