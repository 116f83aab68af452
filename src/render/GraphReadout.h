#pragma once

#include <QColor>
#include <QPoint>
#include <QStringList>
#include <optional>
#include <vector>

#include "render/GraphDrawing.h"

class QFont;
class QPainter;
class QRect;

// The graph's readout at one plan year: a marker line across the plot, a dot
// on every shown curve there and the figures beside it.
struct GraphReadout {
  int yearIndex = 0;
  int x = 0;
  int top = 0;
  int bottom = 0;
  struct Dot {
    QPoint at;
    QColor colour;
  };
  std::vector<Dot> dots;
  QStringList lines;
  // Beside each line, the colour of its curve (invalid: none).
  std::vector<QColor> swatches;
};

// The readout's text for plan year index `yearIndex` (0 = the current year):
// the calendar year with both persons' ages, the dollar view, then each shown
// curve's value that year (and the comparison and band when drawn), in the
// dollars of the input. Empty outside the plan's years.
QStringList ReadoutLines(const GraphInput& input, int yearIndex);

// The readout of a drawing made with `parameters` from `input`.
GraphReadout MakeGraphReadout(const GraphParameters& parameters, const GraphInput& input, int yearIndex);

// The plan year whose column lies nearest to `at`, when `at` is within the
// plot box (a few pixels of slack around it) and the year is on the age axis.
std::optional<int> ReadoutYearAt(const PlotFrame& frame, int rows, QPoint at);

// The year the readout moves to on a key: Left and Right one year, Page Up
// and Page Down five, Home and End the first and last; without a readout, any
// of them starts at the first year (End at the last). Other keys: nullopt.
std::optional<int> ReadoutYearAfterKey(std::optional<int> current, int key, int rows);

// Draws the marker, the dots and the figures in a white box beside the
// marker, inside `area` (the box goes to the left of the marker when the
// right has no room).
void DrawGraphReadout(QPainter& painter, const GraphReadout& readout, const QFont& font, const QRect& area);
