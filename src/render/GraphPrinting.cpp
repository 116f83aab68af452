#include "render/GraphPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <string>

#include "engine/DollarViews.h"
#include "model/PlanRecord.h"
#include "render/PrintNote.h"

GraphParameters PrinterGraphParameters(const PrinterPage& page, QSize canvasSize, const PlanRecord& plan,
                                       bool currentDollars, const GraphScales& scales) {
  const int width = page.PageWidthDots;
  const int height = page.PageHeightDots;
  const int margin = RoundPixel(0.15L * width);
  const int top = RoundPixel(0.2L * height);
  const int bottom = RoundPixel(0.15L * height);
  const int u = RoundPixel(0.008L * width);
  const int plotWidth = width - 2 * margin;
  const int plotHeight = height - top - bottom;
  const int centre = RoundPixel(width / 2.0L);

  GraphParameters p;
  p.canvasSize = canvasSize;
  p.frame = MakePlotFrame(margin, top, plotWidth, plotHeight, plan.Age1);
  p.style = CanvasStyle{3, 3, RoundPixel(0.005L * width), true, RoundPixel(0.002L * width)};
  p.tickLeftOverhang = u;
  p.tickRightOverhang = u;
  p.axisOverhang = u;
  p.decadeOverhang = u;
  p.titleFont = PrinterFont(16, false, true);
  p.labelFont = PrinterFont(12);

  std::string title = "Financial Graph for " + plan.Name1;
  if (plan.SecondPerson) title += " and " + plan.Name2;
  p.title = QString::fromStdString(title);
  p.axisCaption = QString::fromStdString("Age of " + plan.Name1);
  p.unitCaption = QString::fromStdString(DollarViewName(currentDollars, plan.CurrentYear)) + ", in thousands";
  p.titleAt = QPoint(centre, top - 13 * u);
  p.axisCaptionAt = QPoint(centre, top + plotHeight + 10 * u);
  p.unitCaptionAt = QPoint(centre, top - 3 * u);
  p.assetsAt = QPoint(margin, top - 3 * u);
  p.cashFlowAt = QPoint(width - margin, top - 3 * u);
  p.leftLabelX = margin - 2 * u;
  p.rightLabelX = margin + plotWidth + 2 * u;
  p.ageLabelY = top + plotHeight + 3 * u;
  // The calendar years under the ages, as on the screen, a size smaller.
  p.yearLabelY = top + plotHeight + RoundPixel(5.5L * u);
  p.yearFont = PrinterFont(9);

  p.scales = scales;
  p.curveOrder = {2, 4, 7, 8, 5, 6, 3, 1};
  for (int n = 1; n <= kCurveCount; ++n) {
    const bool assets = n <= 4;
    const int y = top + plotHeight + RoundPixel(7.5L * u + 3.4L * u * ((n - 1) % 4));
    const int markerX = assets ? margin - 6 * u : width - margin - 10 * u;
    const int nameX = assets ? margin - 3 * u : width - margin - 7 * u;
    p.legend[static_cast<std::size_t>(n - 1)] = GraphLegendEntry{QPoint(markerX, y), QPoint(nameX, y)};
  }
  p.legendOnlyShownCurves = true;
  // Under each half of the legend, the scale its curves read on, as the screen shows it.
  p.scaleNotes = ScaleNotes();
  p.scaleNotesAt = {QPoint(p.legend[3].name.x(), p.legend[3].name.y() + RoundPixel(3.4L * u)),
                    QPoint(p.legend[7].name.x(), p.legend[7].name.y() + RoundPixel(3.4L * u))};
  return p;
}

void PrintGraph(QPainter& painter, const GraphPrintJob& job) {
  const QPaintDevice& device = *painter.device();
  const GraphInput& input = job.input;
  const GraphParameters parameters = PrinterGraphParameters(
      ReadPrinterPage(device), QSize(device.width(), device.height()), input.plan, input.currentDollars, job.scales);
  DrawGraph(painter, parameters, input);
  DrawPrintNote(painter, job.note);
}

bool PrintGraph(QPagedPaintDevice& device, const GraphPrintJob& job) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  PrintGraph(painter, job);
  return painter.end();
}
