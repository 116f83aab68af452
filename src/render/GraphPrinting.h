#pragma once

#include <array>

#include "render/GraphDrawing.h"
#include "render/PrinterPage.h"

class QPainter;
class QPagedPaintDevice;
struct PlanRecord;
struct ForecastTable;

// The printed graph: one page, the table as it stands, the shown curves
// only and the extras, on the axis scales of the last screen drawing.
struct GraphPrintJob {
  GraphInput input;
  GraphScales scales;
  QString note;  // at the foot of the page, when not empty
};

// The drawing values of the graph on a printer page.
GraphParameters PrinterGraphParameters(const PrinterPage& page, QSize canvasSize, const PlanRecord& plan,
                                       bool currentDollars, const GraphScales& scales);

void PrintGraph(QPainter& painter, const GraphPrintJob& job);
// The same as one job on a printer or PDF writer; false when it did not start.
bool PrintGraph(QPagedPaintDevice& device, const GraphPrintJob& job);
