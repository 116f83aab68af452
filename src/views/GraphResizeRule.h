#pragma once

#include <QPoint>
#include <QSize>

struct WindowGeometry;

// The graph page's size rule for a proposed window size: the first call
// after start-up takes the stored width, sizes below the minimum snap back,
// and screens less than 560 high force the small-screen height. The result
// becomes GraphWidth and GraphHeight; the rule never refuses a resize.
QSize GraphResizeRule(QSize proposed, WindowGeometry& geometry, bool& firstResize, int screenHeight);

// The smallest height the window may be dragged to: the small-screen height
// when the rule forces it, so the window can actually take it.
int GraphMinimumHeight(const WindowGeometry& geometry, int screenHeight);

// Top-left of curve check box `index` (0 = net worth .. 7 = distribution) in a
// window `width` by `height`: four rows above the bottom, left and right.
QPoint CurveCheckBoxPosition(int index, int width, int height);
