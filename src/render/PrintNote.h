#pragma once

#include <QString>

class QPainter;

// A short line at the foot of a printed page, centred (nothing for an empty
// note): what sets a forecast apart that its figures do not show, such as the
// past inflation it ran on.
void DrawPrintNote(QPainter& painter, const QString& note);
