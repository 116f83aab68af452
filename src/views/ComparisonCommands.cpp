#include "views/ComparisonCommands.h"

#include <QAction>
#include <QMenu>

#include "shell/Navigator.h"
#include "shell/Page.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"

void AddComparisonCommands(QMenu* file, Page& page, Session& session, Platform& platform, Navigator& navigator) {
  AddMenuCommand(file, "Compare &with...", "CompareWith", [&] { CompareWithPlan(page, session, platform, navigator); });
  QAction* show = AddMenuCommand(file, "Show Co&mparison", "ShowComparison", [&] {
    if (!session.comparison.open) return;
    session.comparison.returnPage = page.Id();
    navigator.SwitchPage(page.Id(), PageId::Comparison);
  });
  show->setEnabled(session.comparison.open);
  QObject::connect(file, &QMenu::aboutToShow, show, [show, &session] { show->setEnabled(session.comparison.open); });
}

void CompareWithPlan(Page& page, Session& session, Platform& platform, Navigator& navigator) {
  PlanRecord other;
  const std::optional<QString> path = OpenOtherPlan(session, platform, &page, other);
  if (!path) return;
  session.comparison.Open(path->toStdString(), other, page.Id());
  navigator.SwitchPage(page.Id(), PageId::Comparison);
}
