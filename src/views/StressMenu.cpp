#include "views/StressMenu.h"

#include <QActionGroup>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSignalBlocker>

#include "engine/Forecast.h"
#include "markets/BuiltInHistory.h"
#include "markets/StressSequence.h"
#include "model/FileSave.h"
#include "odds/StressReplay.h"
#include "platform/Platform.h"
#include "shell/PageMenus.h"
#include "views/ExplainCommands.h"
#include "views/RateScenarioDialog.h"
#include "views/RuleChoice.h"
#include "views/TrialTableDialog.h"
#include "views/YearGrid.h"

namespace {

// Writes the typed scenario as a rate file the command line reads.
void SaveScenario(QWidget& page, const Session& session, Platform& platform) {
  FileDialogRequest request;
  request.title = "Save Scenario as Rate File";
  request.filter = "CSV files (*.csv)";
  request.defaultExtension = "csv";
  request.initialFolder = QString::fromStdString(session.CurrentPlanFolder());
  request.proposedName = "scenario.csv";
  const std::optional<QString> path = platform.prompts.SaveFile(&page, request);
  if (!path) return;
  const std::string problem =
      SaveFileContents(QFile::encodeName(*path).toStdString(), ScenarioCsv(session.plan, session.stress.scenario));
  if (!problem.empty()) platform.prompts.Error(&page, QString::fromStdString(problem));
}

// The stress test's year table; a cell explains itself on the same rates.
void ShowTable(QWidget& page, const Session& session, Platform& platform) {
  const StressChoice& stress = session.stress;
  const QString name = QString::fromStdString(StressName(session.plan, stress));
  const QString title = stress.IsScenario()
                            ? QString("Rate scenario: %1").arg(name)
                            : QString("Stress test: %1, %2").arg(name, QString::fromStdString(BuiltInHistoryName()));
  const RatePath rates = WithRules(StressRates(session.plan, stress), session.Rules, session.plan);
  const TrialReplay replay = ReplayOfRates(session.plan, StressRates(session.plan, stress), session.Rules);
  auto* dialog = new TrialTableDialog(session.plan, replay, title, platform.settings, &page);
  dialog->setObjectName("StressTestTable");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->OfferExplanations([dialog, plan = session.plan, rates, under = StressRatesTitle(session.plan, stress),
                             &platform](YearField field, int year, bool todaysDollars) {
    const QPointer<TrialTableDialog> table(dialog);
    OpenExplanation(dialog, ExplainedRun{plan, rates, todaysDollars, under}, platform.desktop, field, year,
                    [table, first = plan.CurrentYear](const QString& cell, int calendarYear) {
                      if (table) table->Grid()->SelectCell(cell.toStdString(), calendarYear - first + 1);
                    });
  });
  dialog->show();
}

}  // namespace

QString StressRatesTitle(const PlanRecord& plan, const StressChoice& stress) {
  if (!stress.IsScenario()) {
    return QString("starting as %1%2%3")
        .arg(stress.startYear)
        .arg(stress.worstStart ? " (the worst start)" : "", QString::fromStdString(StressStartDetails(plan, stress)));
  }
  QStringList changes;
  for (const RateOverride& change : stress.scenario) {
    QString text = QString::fromStdString(ScenarioName({change}));
    text[0] = text[0].toLower();
    changes << text;
  }
  return "under the scenario: " + changes.join(", ");
}

ComparisonSeries StressSeries(const Session& session) {
  const Forecast forecast =
      ForecastInView(session.plan, WithRules(StressRates(session.plan, session.stress), session.Rules, session.plan),
                     session.CurrentDollars);
  ComparisonSeries series;
  series.dotted = true;
  series.label = session.stress.IsScenario() ? "Rate scenario" : "Stress test";
  for (int a = 1; a <= RowCount(session.plan); ++a) series.values.push_back(forecast.table.Year(a).NetWorth);
  return series;
}

void AddStressTestMenu(QMenu* file, QWidget& page, Session& session, Platform& platform, std::function<void()> changed,
                       std::function<void()> rulesChanged) {
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
  const auto worst = [&session] { return WorstStartYear(session.plan, session.Rules, session.stress.sequenceStart); };
  add("&Worst start for this plan", "StressWorst", [choose, worst] { choose(worst(), true); });
  QAction* scenario = add("&Rate Scenario...", "StressScenario", [&page, &session, changed] {
    auto* dialog = new RateScenarioDialog(session.plan, session.stress.scenario, &page);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, &session, changed] {
      const std::vector<RateOverride> changes = dialog->Overrides();
      // Nothing ticked takes a typed scenario away; a history start stays.
      if (!changes.empty()) {
        session.stress.ChooseScenario(changes);
      } else if (session.stress.IsScenario()) {
        session.stress.Clear();
      }
      changed();
    });
    dialog->open();
  });
  menu->addSeparator();
  QAction* atRetirement = AddMenuCommand(menu, "Start the Sequence at R&etirement", "StressAtRetirement", [] {});
  atRetirement->setCheckable(true);
  atRetirement->setToolTip(
      "The plan's own rates until the first year someone retires, the history's years from then on; "
      "otherwise the history starts in the plan's first year");
  QObject::connect(atRetirement, &QAction::toggled, menu, [&session, changed, worst](bool ticked) {
    session.stress.sequenceStart = ticked ? SequenceStart::Retirement : SequenceStart::FirstYear;
    // The worst start is the worst for the sequence as it now begins.
    if (session.stress.worstStart) session.stress.Choose(worst(), true);
    changed();
  });
  // A rule of every forecast, ticked for its other choice: the forecast runs
  // again under it and the rule is remembered.
  const auto addRule = [&]<typename Rule>(const char* caption, const char* name, const char* tip,
                                          Rule ForecastRules::*member, Rule tickedRule) {
    QAction* item = AddMenuCommand(menu, caption, name, [] {});
    item->setCheckable(true);
    item->setToolTip(tip);
    QObject::connect(item, &QAction::toggled, menu,
                     [&session, &platform, rulesChanged, member, tickedRule](bool ticked) {
                       if (ChooseRule(session, platform, member, ticked ? tickedRule : ForecastRules{}.*member))
                         rulesChanged();
                     });
    return item;
  };
  QAction* follow =
      addRule("Spending &Follows Prices Down", "StressDeflationFollows",
              "In a year of falling prices spending falls with them. Otherwise it holds (the inflation index never "
              "falls), which is why 1929, not 1966, is the worst start for a retiree spending 4 % a year",
              &ForecastRules::deflation, DeflationRule::Follow);
  QAction* negativeLimit =
      addRule("Home-Equity &Limit May Go Negative (First Design)", "StressHomeEquityFirstDesign",
              "With the mortgage above 75 % of the home's value, book the negative limit as a negative home-equity "
              "borrowing that enlarges the new debt, as the first design did. Otherwise nothing is borrowed against "
              "the home and the whole shortfall is new debt",
              &ForecastRules::homeEquityLimit, HomeEquityLimitRule::FirstDesign);
  menu->addSeparator();
  QAction* table = AddMenuCommand(menu, "Show Stress Test &Table", "StressTable", [&page, &session, &platform] {
    if (session.stress.Due()) ShowTable(page, session, platform);
  });
  QAction* save =
      AddMenuCommand(menu, "&Save Scenario as Rate File...", "StressSaveScenario", [&page, &session, &platform] {
        if (session.stress.IsScenario()) SaveScenario(page, session, platform);
      });
  // The marks and the items follow the session, which the other result page may have changed.
  QObject::connect(menu, &QMenu::aboutToShow, menu,
                   [menu, none, scenario, atRetirement, follow, negativeLimit, table, save, &session] {
                     none->setChecked(!session.stress.Due());
                     const QSignalBlocker quietRetirement(atRetirement);
                     atRetirement->setChecked(session.stress.sequenceStart == SequenceStart::Retirement);
                     const QSignalBlocker quietFollow(follow);
                     follow->setChecked(session.Rules.deflation == DeflationRule::Follow);
                     const QSignalBlocker quietLimit(negativeLimit);
                     negativeLimit->setChecked(session.Rules.homeEquityLimit == HomeEquityLimitRule::FirstDesign);
                     scenario->setChecked(session.stress.IsScenario());
                     for (QAction* action : menu->actions()) {
                       if (action->objectName() == QString("StressStart%1").arg(session.stress.startYear) &&
                           !session.stress.worstStart)
                         action->setChecked(true);
                       if (action->objectName() == "StressWorst")
                         action->setChecked(session.stress.worstStart && !session.stress.IsScenario());
                     }
                     table->setEnabled(session.stress.Due());
                     save->setEnabled(session.stress.IsScenario());
                   });
}
