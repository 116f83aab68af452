#include "views/GraphResizeRule.h"

#include <algorithm>

#include "shell/Session.h"

QSize GraphResizeRule(QSize proposed, WindowGeometry& geometry, bool& firstResize, int screenHeight) {
  int width = proposed.width();
  int height = proposed.height();
  if (firstResize) {
    width = geometry.GraphWidth;
    firstResize = false;
  }
  width = std::max(width, geometry.MinPageWidth);
  height = std::max(height, geometry.MinPageHeight);
  if (screenHeight < kSmallScreenLimit) height = geometry.SmallScreenHeight;
  geometry.GraphWidth = width;
  geometry.GraphHeight = height;
  return {width, height};
}

int GraphMinimumHeight(const WindowGeometry& geometry, int screenHeight) {
  if (screenHeight < kSmallScreenLimit) return std::min(geometry.MinPageHeight, geometry.SmallScreenHeight);
  return geometry.MinPageHeight;
}

QPoint CurveCheckBoxPosition(int index, int width, int height) {
  constexpr int kRowOffsets[] = {149, 131, 113, 95};
  const int row = std::clamp(index, 0, 7) % 4;
  const int left = index < 4 ? 24 : width - 148;
  return {left, height - kRowOffsets[row]};
}
