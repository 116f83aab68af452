#pragma once

#include <QString>
#include <cstdint>

class QPainter;
struct PlotFrame;

// How a target draws the graph's lines and markers. The screen bitmap and
// the printer page differ only in these values and in the geometry.
struct CanvasStyle {
  // Distance of the second line of a ThinLine: 0 draws one line (screen);
  // a printer draws each line twice, 3 device pixels apart.
  int thinLineOffset = 0;
  // Distance of the second line of a ThickLine (frame and curve segments):
  // 1 on screen, 3 on a printer.
  int thickLineOffset = 1;
  // Half-size of the markers: SizeStep on screen, round(0.005 x page width) on paper.
  int markerSize = 2;
  // Paper draws the downward triangle with three outlines (inset 2 and 4)
  // instead of two, so it stays bold at printer resolution.
  bool tripleDownTriangle = false;
  // Pixels per unit of a dashed line's pattern: 1 on screen, more on paper
  // so the dashes keep a visible length.
  int dashUnit = 1;
  // The curves and their markers drawn anti-aliased: the screen page, where
  // smooth curves read best. Pictures and paper keep sharp pixels.
  bool smoothCurves = false;
};

enum class TextAnchor { Centre, Left, Right };

// The drawing helpers shared by the screen graph and the printouts. Pens are
// solid and one pixel wide; closed markers are filled white. Text is drawn
// with the painter's current font in the current colour, vertically centred
// on its anchor point, as one unclipped line.
class GraphCanvas {
 public:
  GraphCanvas(QPainter& painter, const CanvasStyle& style);

  QPainter& Painter() { return painter_; }

  // Pen and text colour by curve number (black for any other number).
  void SetCurveColour(int curve);
  void SetBlack();

  // A second line follows `offset` pixels lower, or to the right when vertical.
  void ThinLine(int x1, int y1, int x2, int y2);
  void ThickLine(int x1, int y1, int x2, int y2);
  void DrawLabel(int x, int y, const QString& text, TextAnchor anchor);
  void DrawMarker(int x, int y, int curve);
  // Curve segments and markers drawn after this, until EndCurves, follow
  // the style's smoothCurves.
  void BeginCurves();
  void EndCurves();

  // One plan year of a curve: the segment to the following year and the
  // year's marker. `lastIndex` is the index of the last plan year, which has
  // no segment; `scale` is the axis top in thousands.
  void DrawCurveStep(const PlotFrame& frame, int curve, int index, int lastIndex, std::int64_t current,
                     std::int64_t next, std::int64_t scale);

 private:
  void DoubledLine(int x1, int y1, int x2, int y2, int offset);

  QPainter& painter_;
  CanvasStyle style_;
};
