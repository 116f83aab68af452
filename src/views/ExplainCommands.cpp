#include "views/ExplainCommands.h"

#include "engine/ForecastColumns.h"
#include "engine/RatePath.h"
#include "platform/Platform.h"
#include "shell/Session.h"
#include "views/ExplainWindow.h"

void OpenExplanation(QWidget* parent, const Session& session, Platform& platform, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell) {
  ExplainModel model(session.plan, session.PlanRates());
  const std::int64_t calendarYear = static_cast<std::int64_t>(session.plan.CurrentYear) + year - 1;
  if (!model.Select(ForecastColumnOf(field).name, calendarYear, session.CurrentDollars)) return;
  auto* window = new ExplainWindow(std::move(model), platform.desktop, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(window, &ExplainWindow::CellRequested, window, std::move(showCell));
  window->show();
}
