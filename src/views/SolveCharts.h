#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The Solve page's two charts, drawn on any painter so tests can draw them on images.

struct FrontierChartPoint {
  double along = 0.0;   // the lever stepped along
  double solved = 0.0;  // the value solved there
};

// Names and value texts of the frontier's two axes ("$71,234 a year", "age 62").
struct FrontierAxes {
  QString alongName;
  QString solvedName;
  std::function<QString(double)> alongText;
  std::function<QString(double)> solvedText;
};

// The solved value against the lever stepped along, as a line with dots on a
// grid whose lines carry their values; the plan's own point ringed in red,
// the point `selected` (or -1) marked with its values. No points: a note.
void DrawFrontierChart(QPainter& painter, const QRect& area, const std::vector<FrontierChartPoint>& points,
                       std::optional<FrontierChartPoint> planPoint, const FrontierAxes& axes, int selected);

// The point whose x lies nearest to `x` in a chart drawn in `area`, or -1.
int FrontierPointAt(const QRect& area, const std::vector<FrontierChartPoint>& points, int x);

struct SensitivityBar {
  QString label;   // the input's full words and page
  QString detail;  // its steps and the changes they make: "$50,000 -> $45,000: -$120,000; ..."
  double down = 0.0;  // the figure's change with the input one step down
  double up = 0.0;
};

inline constexpr int kSensitivityRowHeight = 50;

// Horizontal bars around a zero line on a scale of the figure's unit, one
// row an input with its words wrapped and its amounts: the change one step
// down in orange, one step up in blue; the selected row highlighted.
void DrawSensitivityBars(QPainter& painter, const QRect& area, const std::vector<SensitivityBar>& bars, int selected,
                         const std::function<QString(double)>& changeText);

// The row of the bar chart at `y`, or -1.
int SensitivityBarAt(const QRect& area, int count, int y);
