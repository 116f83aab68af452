#include "views/StressTest.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>
#include <thread>

#include "engine/Forecast.h"
#include "odds/BuiltInHistory.h"
#include "odds/HistoryStart.h"
#include "shell/PageMenus.h"
#include "views/TrialTableDialog.h"

namespace {

HistoricalModel Replay(const PlanRecord& plan) { return HistoricalModel(plan, BuiltInHistory(), HistoricalSettings{}); }

void ShowTable(QWidget& page, const Session& session, SettingsStore& settings) {
  const StressTestState& stress = session.stress;
  const QString title = QString("Stress test: %1, %2")
                            .arg(QString::fromStdString(stress.Name()), QString::fromStdString(BuiltInHistoryName()));
  auto* dialog = new TrialTableDialog(session.plan, StressReplay(session.plan, stress.startYear), title, settings, &page);
  dialog->setObjectName("StressTestTable");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

}  // namespace

int WorstStartYear(const PlanRecord& plan) {
  const HistoricalModel model = Replay(plan);
  OddsRunControl control;
  control.threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxOddsThreads);
  const std::optional<OddsResult> result = RunOdds(plan, model, control);
  return model.FirstYear() + (result ? result->WorstTrial() : 0);
}

ComparisonSeries StressSeries(const Session& session) {
  const HistoryStart start = HistoryStartRates(session.plan, BuiltInHistory(), session.stress.startYear);
  const Forecast forecast = ForecastInView(session.plan, start.rates, session.CurrentDollars);
  ComparisonSeries series;
  series.dotted = true;
  for (int a = 1; a <= RowCount(session.plan); ++a) series.values.push_back(forecast.table.Year(a).NetWorth);
  return series;
}

TrialReplay StressReplay(const PlanRecord& plan, int startYear) {
  const HistoricalModel model = Replay(plan);
  return ReplayTrial(plan, model, startYear - model.FirstYear());
}

void AddStressTestMenu(QMenu* file, QWidget& page, Session& session, SettingsStore& settings,
                       std::function<void()> changed) {
  QMenu* menu = file->addMenu("S&tress Test");
  menu->setObjectName("StressTestMenu");
  menu->setToolTipsVisible(true);
  auto* group = new QActionGroup(menu);
  const auto choose = [&session, changed](int year, bool worst) {
    session.stress.Choose(year, worst);
    changed();
  };
  const auto add = [&](const QString& caption, const QString& name, std::function<void()> handler) {
    QAction* action = AddMenuCommand(menu, caption, name, std::move(handler));
    action->setCheckable(true);
    group->addAction(action);
    return action;
  };
  QAction* none = add("&None", "StressNone", [choose] { choose(0, false); });
  for (const int year : kNamedStressStarts) {
    // The last digit carries the mnemonic: it tells the six starts apart.
    QString caption = QString("Start in %1").arg(year);
    caption.insert(caption.size() - 1, '&');
    add(caption, QString("StressStart%1").arg(year), [choose, year] { choose(year, false); });
  }
  add("&Worst start for this plan", "StressWorst", [choose, &session] { choose(WorstStartYear(session.plan), true); });
  menu->addSeparator();
  QAction* table = AddMenuCommand(menu, "Show Stress Test &Table", "StressTable", [&page, &session, &settings] {
    if (session.stress.Due()) ShowTable(page, session, settings);
  });
  // The marks and the table item follow the session, which the other result page may have changed.
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, none, table, &session] {
    none->setChecked(!session.stress.Due());
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QString("StressStart%1").arg(session.stress.startYear) && !session.stress.worstStart)
        action->setChecked(true);
      if (action->objectName() == "StressWorst") action->setChecked(session.stress.worstStart);
    }
    table->setEnabled(session.stress.Due());
  });
}
