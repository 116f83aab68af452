#pragma once

#include <cstdint>
#include <functional>

#include "engine/ForecastTable.h"

class QString;
class QWidget;
struct Platform;
struct Session;

// Opens the "Why this number?" window on one cell of the session's forecast:
// `field` in forecast year `year` (1 = the current year), in the dollar view
// the session shows. `showCell` is told when the user activates a term that
// is another cell (its field name and calendar year). Nothing happens for a
// cell outside the forecast.
void OpenExplanation(QWidget* parent, const Session& session, Platform& platform, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell);
