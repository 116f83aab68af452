#pragma once

#include <QColor>
#include <QRect>
#include <vector>

#include "views/ComparisonRows.h"

class QFontMetrics;
class QPainter;

// Bars of inputs that raised the figure and of inputs that lowered it.
inline const QColor kGainColour(0, 128, 0);
inline const QColor kLossColour(192, 0, 0);

// Height of one bar's row in a font.
int AttributionRowHeight(const QFontMetrics& metrics);

// Draws the bars top to bottom in `area`, one row each, in the painter's font: the name (elided to
// fit), the bar from a common zero line (gains to the right, losses to the
// left, lengths in proportion to the largest), the input's two values and
// the amount.
void PaintAttributionBars(QPainter& painter, const QRect& area, const std::vector<AttributionBar>& bars);
