#include "views/ResultPage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"
#include "shell/WindowSettings.h"
#include "views/ComparisonCommands.h"

namespace {

QString DollarsCaption(const Session& session) {
  if (!session.CurrentDollars) return "&Dollars(Inflation Adjusted)";
  return QString("&Dollars(Current %1)").arg(session.plan.CurrentYear);
}

}  // namespace

ResultPage::ResultPage(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Page(id, session, platform, navigator, parent) {}

void ResultPage::AddFileMenu(const std::vector<FileCommand>& ownCommands) {
  QMenu* file = MenuBar()->addMenu("&File");
  file->setObjectName("File1");
  AddMenuCommand(file, "&New", "New1", [this] { OnNew(); });
  AddMenuCommand(file, "&Open", "Open1", [this] { OnOpen(); });
  AddMenuCommand(file, "&Save", "Save1", [this] { OnSave(); });
  for (const FileCommand& command : ownCommands)
    AddMenuCommand(file, command.caption, command.objectName, command.handler);
  AddComparisonCommands(file, *this, session_, platform_, navigator_);
  AddMenuCommand(file, "O&dds...", "Odds1", [this] { GoTo(PageId::Odds); });
  AddMenuCommand(file, "E&xit", "Exit1", [this] { OnExit(); });
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

void ResultPage::OnNew() {
  if (NewPlan(session_, platform_, this)) AfterPlanReplaced();
}

void ResultPage::OnOpen() {
  if (OpenPlan(session_, platform_, this)) AfterPlanReplaced();
}

// A new or opened plan is forecast at once, whichever page was left last,
// and shows every curve again.
void ResultPage::AfterPlanReplaced() {
  StoreWindowSettings();
  session_.RunForecastForView();
  session_.CurveShown.fill(true);
  UpdateDollarsItem();
  ShowReplacedPlan();
}

void ResultPage::OnSave() {
  if (!SavePlan(session_, platform_, this)) return;
  Refresh();
  StoreWindowSettings();
}

void ResultPage::OnExit() {
  if (SaveFirst(session_, platform_, this)) navigator_.ExitProgram();
}

void ResultPage::SwitchDollars() {
  session_.SwitchDollars();
  UpdateDollarsItem();
  ShowForecast();
}
