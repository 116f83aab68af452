#include "render/GraphDrawing.h"

#include <QPainter>
#include <algorithm>

#include "engine/ForecastTable.h"
#include "model/PlanRecord.h"

namespace {

const QColor kYearLabelColour(96, 96, 96);

void DrawGrid(GraphCanvas& canvas, const GraphParameters& p) {
  const PlotFrame& f = p.frame;
  canvas.Painter().setPen(QPen(QColor(0, 255, 255), 0));
  for (int i = 0; i <= 5; ++i) {
    for (int j = 1; j <= 4; ++j) {
      const int y = f.top + i * f.RowStep() + j * f.MinorRowStep();
      canvas.ThinLine(f.left, y, f.Right(), y);
    }
  }
  for (int d = 0; d < f.decades; ++d) {
    for (int k = 1; k <= 4; ++k) {
      const int x = f.left + d * f.DecadeStep() + k * f.MinorDecadeStep();
      canvas.ThinLine(x, f.top, x, f.Bottom());
    }
  }
}

void DrawAxes(GraphCanvas& canvas, const GraphParameters& p) {
  const PlotFrame& f = p.frame;
  canvas.SetBlack();
  const int tickLeft = f.left - p.tickLeftOverhang;
  const int tickRight = f.Right() + p.tickRightOverhang;
  for (int i = 1; i <= 5; ++i) {
    const int y = f.top + i * f.RowStep();
    canvas.ThinLine(tickLeft, y, tickRight, y);
  }
  const int zeroY = f.top + 5 * f.RowStep();
  canvas.ThickLine(tickLeft, f.top, tickRight, f.top);
  canvas.ThickLine(tickLeft, zeroY, tickRight, zeroY);
  canvas.ThickLine(f.Right(), f.top - p.axisOverhang, f.Right(), f.Bottom() + p.axisOverhang);
  canvas.ThickLine(tickLeft, f.Bottom(), tickRight, f.Bottom());
  canvas.ThickLine(f.left, f.top - p.axisOverhang, f.left, f.Bottom() + p.axisOverhang);
  for (int k = 1; k < f.decades; ++k) {
    const int x = f.left + k * f.DecadeStep();
    canvas.ThinLine(x, f.top, x, f.Bottom() + p.decadeOverhang);
  }
}

void DrawCaptions(GraphCanvas& canvas, const GraphParameters& p, const PlanRecord& plan) {
  QPainter& painter = canvas.Painter();
  painter.setFont(p.titleFont);
  canvas.DrawLabel(p.titleAt.x(), p.titleAt.y(), p.title, TextAnchor::Centre);
  canvas.DrawLabel(p.axisCaptionAt.x(), p.axisCaptionAt.y(), p.axisCaption, TextAnchor::Centre);

  painter.setFont(p.labelFont);
  canvas.DrawLabel(p.unitCaptionAt.x(), p.unitCaptionAt.y(), p.unitCaption, TextAnchor::Centre);
  canvas.DrawLabel(p.assetsAt.x(), p.assetsAt.y(), "Assets", TextAnchor::Centre);
  canvas.DrawLabel(p.cashFlowAt.x(), p.cashFlowAt.y(), "Annual Cash Flow", TextAnchor::Centre);

  const PlotFrame& f = p.frame;
  for (int k = 0; k <= 6; ++k) {
    const int y = f.top + k * f.RowStep();
    canvas.DrawLabel(p.leftLabelX, y, QString::fromStdString(AxisLabelText(p.scales.assets, k)), TextAnchor::Right);
    canvas.DrawLabel(p.rightLabelX, y, QString::fromStdString(AxisLabelText(p.scales.cashFlow, k)), TextAnchor::Left);
  }
  for (int k = 0; k <= f.decades; ++k) {
    const int age = f.startAge + 10 * k;
    const int x = f.left + k * f.DecadeStep();
    canvas.DrawLabel(x, p.ageLabelY, QString::number(age), TextAnchor::Centre);
    if (p.yearLabelY == 0) continue;
    const std::int64_t year = static_cast<std::int64_t>(plan.CurrentYear) + age - plan.Age1;
    // Grey, so the ages stay the axis and the years read as their companion.
    painter.setFont(p.yearFont);
    painter.setPen(kYearLabelColour);
    canvas.DrawLabel(x, p.yearLabelY, QString::number(year), TextAnchor::Centre);
    painter.setFont(p.labelFont);
    canvas.SetBlack();
  }
}

void DrawCurve(GraphCanvas& canvas, const GraphParameters& p, const PlanRecord& plan, const ForecastTable& table,
               int curve) {
  const int rows = RowCount(plan);
  const std::int64_t scale = IsAssetsCurve(curve) ? p.scales.assets : p.scales.cashFlow;
  canvas.BeginCurves();
  canvas.SetCurveColour(curve);
  for (int i = 0; i < rows; ++i) {
    const std::int64_t current = CurveValue(table.Year(i + 1), curve);
    // The table is cleared before every run, so the year after the last counts as zero.
    const std::int64_t next = i + 2 <= rows ? CurveValue(table.Year(i + 2), curve) : 0;
    canvas.DrawCurveStep(p.frame, curve, i, rows - 1, current, next, scale);
  }
  canvas.EndCurves();
}

void DrawLegend(GraphCanvas& canvas, const GraphParameters& p, const std::array<bool, kCurveCount>& shown) {
  canvas.Painter().setFont(p.labelFont);
  for (int n = 1; n <= kCurveCount; ++n) {
    const auto index = static_cast<std::size_t>(n - 1);
    if (p.legendOnlyShownCurves && !shown[index]) continue;
    const GraphLegendEntry& entry = p.legend[index];
    canvas.BeginCurves();
    canvas.SetCurveColour(n);
    canvas.DrawMarker(entry.marker.x(), entry.marker.y(), n);
    canvas.EndCurves();
    canvas.SetCurveColour(n);
    canvas.DrawLabel(entry.name.x(), entry.name.y(), CurveName(n), TextAnchor::Left);
  }
  canvas.SetBlack();
  for (std::size_t side = 0; side < p.scaleNotes.size(); ++side) {
    const QPoint at = p.scaleNotesAt[side];
    if (!p.scaleNotes[side].isEmpty()) canvas.DrawLabel(at.x(), at.y(), p.scaleNotes[side], TextAnchor::Left);
  }
}

// The largest value of the comparison where the age axis shows it.
std::int64_t ComparisonMaximum(const PlanRecord& plan, const ComparisonSeries& series) {
  std::int64_t maximum = 0;
  for (std::size_t i = 0; i < series.values.size(); ++i) {
    if (OnAgeAxis(plan.Age1, series.firstIndex + static_cast<std::int64_t>(i)))
      maximum = std::max(maximum, series.values[i]);
  }
  return maximum;
}

}  // namespace

GraphScales InputScales(const GraphInput& input) {
  CurveMaxima maxima = ShownCurveMaxima(input.plan, input.table, input.shown);
  if (input.comparison) maxima.assets = std::max(maxima.assets, ComparisonMaximum(input.plan, *input.comparison));
  if (input.stress) maxima.assets = std::max(maxima.assets, ComparisonMaximum(input.plan, *input.stress));
  std::int64_t assets = AxisMaximum(maxima.assets);
  if (input.band && !input.band->high.empty()) {
    const std::int64_t bandTop = *std::max_element(input.band->high.begin(), input.band->high.end());
    // Just past the plan's own top, the scale table gives its next step.
    const std::int64_t nextStep = AxisMaximum(1000 * assets + 1);
    assets = std::min(nextStep, std::max(assets, AxisMaximum(bandTop)));
  }
  return {assets, AxisMaximum(maxima.cashFlow)};
}

std::array<QString, 2> ScaleNotes() { return {"\u2191 Left scale", "\u2191 Right scale"}; }

void DrawGraph(QPainter& painter, const GraphParameters& parameters, const GraphInput& input) {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), parameters.canvasSize), Qt::white);
  GraphCanvas canvas(painter, parameters.style);
  DrawGrid(canvas, parameters);
  if (input.band) FillGraphBand(painter, parameters.frame, parameters.scales.assets, *input.band);
  DrawAxes(canvas, parameters);
  DrawCaptions(canvas, parameters, input.plan);
  for (int curve : parameters.curveOrder) {
    if (curve >= 1 && curve <= kCurveCount && input.shown[static_cast<std::size_t>(curve - 1)]) {
      DrawCurve(canvas, parameters, input.plan, input.table, curve);
    }
  }
  if (input.comparison) {
    DrawComparisonCurve(painter, parameters.frame, parameters.scales.assets, *input.comparison,
                        parameters.style.thickLineOffset, parameters.style.dashUnit);
  }
  if (input.stress) {
    DrawComparisonCurve(painter, parameters.frame, parameters.scales.assets, *input.stress,
                        parameters.style.thickLineOffset, parameters.style.dashUnit);
  }
  DrawLegend(canvas, parameters, input.shown);
  painter.restore();
}
