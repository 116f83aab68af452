#include "views/ResultPage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "engine/DollarViews.h"
#include "shell/DocumentedKeys.h"
#include "shell/DollarViewSetting.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/RecentPlans.h"
#include "shell/WindowSettings.h"
#include "views/ComparisonCommands.h"
#include "views/ReportCommand.h"
#include "views/StressMenu.h"

namespace {

// The view shown, by name; Alt+D reaches it through "dollars".
QString DollarsCaption(const Session& session) {
  return QString::fromStdString(DollarViewName(session.CurrentDollars, session.plan.CurrentYear))
      .replace(" dollars", " &dollars");
}

}  // namespace

ResultPage::ResultPage(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(id, session, platform, navigator, parent) {}

void ResultPage::AddFileMenu(const std::vector<FileCommand>& ownCommands) {
  QMenu* file = MenuBar()->addMenu("&File");
  file->setObjectName("FileMenu");
  SetPlanFileShortcut(AddMenuCommand(file, "&New", "New", [this] { OnNew(); }), QKeySequence::New);
  SetPlanFileShortcut(AddMenuCommand(file, "&Open", "Open", [this] { OnOpen(); }), QKeySequence::Open);
  QMenu* recent = file->addMenu("Open &Recent");
  recent->setObjectName("OpenRecent");
  connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentMenu(recent); });
  FillRecentMenu(recent);
  SetPlanFileShortcut(AddMenuCommand(file, "&Save", "Save", [this] { OnSave(); }), QKeySequence::Save);
  SetPlanFileShortcut(AddMenuCommand(file, "Save &As...", "SaveAs", [this] { OnSaveAs(); }), QKeySequence::SaveAs);
  for (const FileCommand& command : ownCommands) {
    QAction* action = AddMenuCommand(file, command.caption, command.objectName, command.handler);
    if (command.key != QKeySequence::UnknownKey) SetStandardShortcut(action, command.key, command.keyDoes);
  }
  AddComparisonCommands(file, *this, session_, platform_, navigator_);
  QAction* odds = AddMenuCommand(file, "O&dds...", "Odds", [this] { GoTo(PageId::Odds); });
  odds->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
  DescribeKey(odds, "the odds page");
  AddStressTestMenu(
      file, *this, session_, platform_, [this] { ShowStressTest(); }, [this] { ShowForecast(); });
  QAction* solve = AddMenuCommand(file, "So&lve...", "Solve", [this] { GoTo(PageId::Solve); });
  solve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  DescribeKey(solve, "the solve page");
  AddMenuCommand(file, "Strate&gies...", "Strategies", [this] { GoTo(PageId::Strategies); });
  AddReportCommand(file, *this, session_, platform_);
  SetPlanFileShortcut(AddMenuCommand(file, "E&xit", "Exit", [this] { OnExit(); }), QKeySequence::Quit);
}

void ResultPage::FillRecentMenu(QMenu* menu) {
  menu->clear();
  const QStringList paths = RecentPlans(platform_.settings);
  int number = 0;
  for (const QString& path : paths) {
    ++number;
    const bool present = QFileInfo::exists(path);
    QString caption = QString("&%1 %2").arg(number).arg(QDir::toNativeSeparators(path).replace('&', "&&"));
    if (!present) caption += " (file not found)";
    QAction* action =
        AddMenuCommand(menu, caption, QString("RecentPlan%1").arg(number), [this, path] { OnOpenRecent(path); });
    action->setEnabled(present);
  }
  if (paths.isEmpty()) menu->addAction("(no recent plans)")->setEnabled(false);
}

void ResultPage::AddDollarsItem(const QString& objectName) {
  dollarsItem_ = AddMenuCommand(MenuBar(), DollarsCaption(session_), objectName, [this] { SwitchDollars(); });
  dollarsItem_->setCheckable(true);
  UpdateDollarsItem();
}

void ResultPage::UpdateDollarsItem() {
  // The action toggles its own check mark before the handler runs.
  dollarsItem_->setChecked(!session_.CurrentDollars);
  dollarsItem_->setText(DollarsCaption(session_));
}

void ResultPage::StoreWindowSettings() {
  SaveWindowSettings(session_, platform_.settings, navigator_.WindowTop(), navigator_.WindowLeft());
}

void ResultPage::OnNew() { AfterReplacing(NewPlan(session_, platform_, this)); }

void ResultPage::OnOpen() { AfterReplacing(OpenPlan(session_, platform_, this)); }

// The save question before a New or Open may have written the plan even when
// the command then stops (a cancelled dialog): the captions and the marker
// follow either way.
void ResultPage::AfterReplacing(bool replaced) {
  if (replaced) {
    AfterPlanReplaced();
  } else {
    navigator_.PlanStateChanged();
  }
}

// A new or opened plan is forecast at once, whichever page was left last,
// and shows every curve again.
void ResultPage::AfterPlanReplaced() {
  session_.comparison.variantOf.clear();
  StoreWindowSettings();
  session_.RunForecastForView();
  session_.CurveShown.fill(true);
  UpdateDollarsItem();
  ShowReplacedPlan();
  // The forecast fills in what the plan computes; that is not a change of the user's.
  session_.saved.Remember(session_.plan);
  navigator_.PlanStateChanged();
}

void ResultPage::OnOpenRecent(const QString& path) { AfterReplacing(OpenPlanAt(session_, platform_, this, path)); }

void ResultPage::OnSave() {
  const std::string previousPath = session_.PlanPath();
  if (SavePlan(session_, platform_, this)) AfterPlanSaved(previousPath);
}

void ResultPage::OnSaveAs() {
  const std::string previousPath = session_.PlanPath();
  if (SavePlanAs(session_, platform_, this)) AfterPlanSaved(previousPath);
}

void ResultPage::AfterPlanSaved(const std::string& previousPath) {
  RememberSavedFrom(session_, previousPath);
  Refresh();
  StoreWindowSettings();
  navigator_.PlanStateChanged();
}

void ResultPage::OnExit() {
  if (SaveFirst(session_, platform_, this)) navigator_.ExitProgram();
}

void ResultPage::SwitchDollars() {
  session_.SwitchDollars();
  SaveDollarView(platform_.settings, session_.CurrentDollars);
  UpdateDollarsItem();
  ShowForecast();
}
