#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <array>

#include "odds/ShortfallLevel.h"

class QPainter;

// Share of trials, in percent, at each shortfall level (index = level).
using LevelShares = std::array<double, kShortfallLevelCount>;

// Green for no shortfall through red for new debt.
QColor LevelColour(ShortfallLevel level);

// "no shortfall 62.4 %": a level's legend entry.
QString LevelLegendText(ShortfallLevel level, double share);

// The shares as one bar across the top of `area`, the deepest level on the
// right, each level as wide as its share; the legend below it.
void DrawLevelBar(QPainter& painter, const QRect& area, const LevelShares& shares);
