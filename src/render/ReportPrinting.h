#pragma once

#include <QSize>
#include <functional>
#include <vector>

#include "report/ReportDocument.h"

class QPainter;
class QRect;
class QPagedPaintDevice;
struct PlanRecord;
struct ForecastTable;

// A report on paper: every page under a header with the plan's name, file and
// the date, "page k of n" at its foot; long tables run on with their header,
// and tables too wide for the page split their columns, repeating the key ones.
// A chart drawn as on screen: painted at `size` in screen pixels, in the
// screen's type size, and scaled to the page's width.
struct ReportDrawing {
  QSize size;
  std::function<void(QPainter& painter, const QRect& area)> paint;
};

struct ReportPrintJob {
  const ReportDocument& document;
  // The graph page draws this forecast in today's dollars.
  const PlanRecord& plan;
  const ForecastTable& currentTable;
  // The pictures of the document's drawing blocks.
  std::vector<ReportDrawing> drawings = {};
};

// The sheets the report takes on the painter's device.
int CountReportSheets(QPainter& painter, const ReportPrintJob& job);

// Draws every sheet with `painter`; `newPage` is called between sheets and
// stops the printout when it returns false. Returns the sheets drawn.
int PrintReport(QPainter& painter, const std::function<bool()>& newPage, const ReportPrintJob& job);
// The same on a printer or PDF writer, as one job; 0 when it did not start.
int PrintReport(QPagedPaintDevice& device, const ReportPrintJob& job);
