#include "views/ComparisonCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "shell/Navigator.h"
#include "shell/Page.h"
#include "shell/PageMenus.h"
#include "shell/PlanFileFlows.h"

namespace {

bool SameFile(const QString& a, const std::string& b) {
  return !b.empty() && QFileInfo(a).absoluteFilePath() == QFileInfo(QString::fromStdString(b)).absoluteFilePath();
}

// Which plan the differences start from. The plan the current one was just
// saved from as a variant is proposed as the base, so the variant reads as
// the change.
std::optional<bool> ChooseOtherAsBase(Page& page, const Session& session, Platform& platform, const QString& path) {
  const QString current = QString::fromStdString(session.plan.PlanFileName);
  const QString chosen = QFileInfo(path).fileName();
  const bool variant = SameFile(path, session.comparison.variantOf);
  QString text = QString(
      "Which plan is the base? The comparison shows what changes from the base to the other plan "
      "(other minus base).");
  if (variant) text += QString("\n\n%1 was saved from %2 as a variant.").arg(current, chosen);
  const auto choice = platform.prompts.Choose(
      &page, text, {QString("Base: %1 (current)").arg(current), QString("Base: %1").arg(chosen)}, variant ? 1 : 0);
  if (!choice) return std::nullopt;
  return *choice == 1;
}

}  // namespace

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
  const std::optional<bool> otherIsBase = ChooseOtherAsBase(page, session, platform, *path);
  if (!otherIsBase) return;
  session.comparison.Open(path->toStdString(), other, page.Id(), session.Rules, *otherIsBase);
  navigator.SwitchPage(page.Id(), PageId::Comparison);
}

void RememberSavedFrom(Session& session, const std::string& previousPath) {
  if (previousPath != session.PlanPath()) session.comparison.variantOf = previousPath;
}
