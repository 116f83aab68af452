#pragma once

#include <QColor>
#include <cstdint>
#include <vector>

class QPainter;
struct PlotFrame;

// A band behind the graph's curves on the assets axis, say the spread of
// net worth over many simulated lives: element k of each edge is plan year
// index k, in the dollars the graph shows.
struct GraphBand {
  std::vector<std::int64_t> low;
  std::vector<std::int64_t> high;
};

// A light green, so the net worth curve stays readable where it runs through the band.
inline const QColor kGraphBandColour(200, 235, 200);

// Fills between the band's edges on the assets axis, whose top is
// `assetsScale` thousands, without an outline. The band is clipped to the
// plot box, so values beyond the axis do not spill over the labels. Fewer
// than two years (or edges of different lengths: the shorter counts) draw
// nothing.
void FillGraphBand(QPainter& painter, const PlotFrame& frame, std::int64_t assetsScale, const GraphBand& band);
