#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

#include "render/ComparisonCurve.h"
#include "render/GraphBand.h"
#include "render/GraphCanvas.h"
#include "render/GraphCurves.h"
#include "render/GraphGeometry.h"

class QPainter;
struct PlanRecord;
struct ForecastTable;

// Where one legend entry goes: its marker and the left end of its name.
struct GraphLegendEntry {
  QPoint marker;
  QPoint name;
};

// Everything that differs between the graph on screen and on paper. The
// screen values come from ScreenGraphParameters (GraphScreen.h); a printed
// graph fills the same struct from the page size in device pixels:
//   frame          MakePlotFrame(Lm, Tm, PW, PH, Age1)
//   style          {thinLineOffset 3, thickLineOffset 3, markerSize round(0.005 x page
//                  width), tripleDownTriangle true, dashUnit round(0.002 x page width)}
//   tick*, axis*, decadeOverhang   u
//   fonts          printer default face, 16 pt underlined / 12 pt plain
//   texts          title without the width test, the dollar view's name and
//                  ", in thousands"
//   scales         those of the last screen drawing
//   curveOrder     2, 4, 7, 8, 5, 6, 3, 1
//   legend         positions in u; legendOnlyShownCurves true
struct GraphParameters {
  // Area filled white before anything is drawn (the whole target).
  QSize canvasSize;
  // Plot box, age axis and the mapping of years and dollars to pixels.
  PlotFrame frame;
  CanvasStyle style;

  // The value ticks and the top, zero and bottom lines reach this far left
  // and right beyond the plot box.
  int tickLeftOverhang = 4;
  int tickRightOverhang = 5;
  // The two axes reach this far above and below the box.
  int axisOverhang = 5;
  // The decade lines reach this far below the box.
  int decadeOverhang = 5;

  // Title and age-axis caption (underlined).
  QFont titleFont;
  // Unit caption, axis names, value and age labels, legend names.
  QFont labelFont;

  QString title;
  QString axisCaption;
  QString unitCaption;
  QPoint titleAt;        // centred
  QPoint axisCaptionAt;  // centred
  QPoint unitCaptionAt;  // centred
  QPoint assetsAt;       // centred "Assets"
  QPoint cashFlowAt;     // centred "Annual Cash Flow"
  int leftLabelX = 80;   // right end of the left axis labels
  int rightLabelX = 0;   // left end of the right axis labels
  int ageLabelY = 0;     // centre line of the age labels
  // Centre line of a second row under the ages with their calendar years
  // (0: none), in a smaller face so it fits above the legend.
  int yearLabelY = 0;
  QFont yearFont;

  GraphScales scales;
  // Curves drawn later lie on top.
  std::array<int, kCurveCount> curveOrder{4, 7, 8, 5, 6, 1, 3, 2};
  // Indexed by curve number - 1.
  std::array<GraphLegendEntry, kCurveCount> legend{};
  // Paper leaves out the legend entries of hidden curves; the screen shows
  // all eight beside their check boxes.
  bool legendOnlyShownCurves = false;
  // Under each half of the legend, the scale its curves read on (left, right;
  // none when empty), left-aligned at its point.
  std::array<QString, 2> scaleNotes;
  std::array<QPoint, 2> scaleNotesAt{};
};

// "↑ Left scale" and "↑ Right scale": under each half of the legend on screen and paper.
std::array<QString, 2> ScaleNotes();

// What a graph shows: the plan's forecast table in the dollars it was
// converted to, the check box of each curve (index = curve - 1) and the
// extras drawn when present, in the same dollars.
struct GraphInput {
  const PlanRecord& plan;
  const ForecastTable& table;
  bool currentDollars = false;
  std::array<bool, kCurveCount> shown{};
  // Another plan's net worth, dashed over the curves.
  std::optional<ComparisonSeries> comparison = std::nullopt;
  // The plan's net worth on a stretch of market history, dotted over the curves.
  std::optional<ComparisonSeries> stress = std::nullopt;
  // A band behind the curves.
  std::optional<GraphBand> band = std::nullopt;
};

// Axis tops for the input: the shown curves, and on the assets axis the
// comparison's years on the age axis and the band's high edge. The band may
// raise the axis one step at most (a quarter to a half more), so a wide band
// leaves the plan's own curves readable and is cut off at the top.
GraphScales InputScales(const GraphInput& input);

// Draws the whole graph of the plan's forecast on the painter's device:
// white background, grid, the band, axes, captions, labels, the shown
// curves, the comparison curve and the legend.
void DrawGraph(QPainter& painter, const GraphParameters& parameters, const GraphInput& input);
