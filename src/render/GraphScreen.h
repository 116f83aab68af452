#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

#include "render/GraphDrawing.h"

struct PlanRecord;

// Marker half-size and font base of the screen graph for a window `width` wide: 2, 3 or 4.
int SizeStep(int width);

// The graph's face: the condensed Abadi face on screens at least 700 wide
// when it is installed, Times New Roman otherwise.
QString GraphFontFamily(int screenWidth);

// "Financial Graph for " and the names; the second name only when both fit the width.
QString GraphTitle(const PlanRecord& plan, int width);
// The caption under the title: the dollar view shown, "$" instead of
// "dollars" on narrow plots.
QString UnitCaption(int plotWidth, bool currentDollars, std::int32_t currentYear);

// The screen graph for a window of outer size `width` by `height`, drawn on a
// target of `canvasSize` (at least the window's size).
GraphParameters ScreenGraphParameters(int width, int height, QSize canvasSize, const PlanRecord& plan,
                                      bool currentDollars, const GraphScales& scales, const QString& fontFamily);

// Text at the same pixel size as on a 96 dpi desktop, whatever the screen.
void SetScreenResolution(QImage& image);

// Draws the graph for a window of `width` by `height` into a new image of
// `canvasSize`; `scales` receives the axis tops used. `smoothCurves` draws the
// curves anti-aliased, as the graph page shows them.
QImage RenderScreenGraph(const GraphInput& input, int width, int height, QSize canvasSize, const QString& fontFamily,
                         GraphScales* scales = nullptr, bool smoothCurves = false);
