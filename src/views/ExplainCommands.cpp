#include "views/ExplainCommands.h"

#include <QAction>
#include <QTableWidget>

#include "engine/ForecastColumns.h"
#include "platform/Platform.h"
#include "shell/DocumentedKeys.h"
#include "shell/Session.h"
#include "views/ExplainWindow.h"

void OpenExplanation(QWidget* parent, const ExplainedRun& run, Desktop& desktop, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell) {
  ExplainModel model(run.plan, run.rates);
  const std::int64_t calendarYear = static_cast<std::int64_t>(run.plan.CurrentYear) + year - 1;
  if (!model.Select(ForecastColumnOf(field).name, calendarYear, run.currentDollars)) return;
  auto* window = new ExplainWindow(std::move(model), desktop, parent);
  if (!run.under.isEmpty()) window->setWindowTitle(window->windowTitle() + " " + run.under);
  window->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(window, &ExplainWindow::CellRequested, window, std::move(showCell));
  window->show();
}

void OpenExplanation(QWidget* parent, const Session& session, Platform& platform, std::int64_t YearRecord::*field,
                     int year, std::function<void(const QString& field, int calendarYear)> showCell) {
  OpenExplanation(parent, ExplainedRun{session.plan, session.PlanRates(), session.CurrentDollars, {}},
                  platform.desktop, field, year, std::move(showCell));
}

QAction* AddWhyThisNumber(QTableWidget* table, std::function<void()> explainCurrentCell) {
  auto* explain = new QAction("Why this number?", table);
  explain->setObjectName("WhyThisNumber");
  explain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  explain->setShortcutContext(Qt::WidgetShortcut);
  DescribeKey(explain, "why this number? for the selected cell of the table");
  QObject::connect(explain, &QAction::triggered, table, std::move(explainCurrentCell));
  table->addAction(explain);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  return explain;
}
