#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

// The Solve page's two charts, drawn on any painter so tests can draw them on images.

struct FrontierChartPoint {
  double along = 0.0;   // the lever stepped along
  double solved = 0.0;  // the value solved there
};

// The solved value against the lever stepped along, as a line with dots;
// the plan's own point ringed in red. No points: a note.
void DrawFrontierChart(QPainter& painter, const QRect& area, const std::vector<FrontierChartPoint>& points,
                       std::optional<FrontierChartPoint> planPoint, const QString& alongName,
                       const QString& solvedName);

struct SensitivityBar {
  QString label;
  double down = 0.0;  // the figure's change with the input one step down
  double up = 0.0;
};

// Horizontal bars around a zero line, one row an input: the change one step
// down in orange, one step up in blue; the selected row highlighted.
void DrawSensitivityBars(QPainter& painter, const QRect& area, const std::vector<SensitivityBar>& bars, int selected);

// The row of the bar chart at `y`, or -1.
int SensitivityBarAt(const QRect& area, int count, int y);
