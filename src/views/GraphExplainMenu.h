#pragma once

#include <QPoint>

#include "render/GraphDrawing.h"

class QMenu;
class QWidget;
struct Platform;
struct Session;

// The graph's "Why this number?" menu: at a right-click near a curve point it
// offers the fields that make up that point (Investments are two fields,
// Taxes two), each opening the explanation of that field in that year.
// Returns the menu shown (already popped up), or nullptr when no curve point
// is near `at` (in the picture's pixels).
QMenu* ShowGraphExplainMenu(QWidget* picture, QPoint at, const Session& session, Platform& platform,
                            const GraphParameters& drawing);
