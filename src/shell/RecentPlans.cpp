#include "shell/RecentPlans.h"

#include <QFileInfo>

#include "platform/SettingsStore.h"

namespace {

// One path a line: a plan path never holds a line break (the open and save
// flows refuse such names), so the list needs no quoting.
const char* const kRecentPlansKey = "RecentPlans";

void Store(SettingsStore& settings, const QStringList& paths) { settings.SetText(kRecentPlansKey, paths.join('\n')); }

}  // namespace

QStringList RecentPlans(const SettingsStore& settings) {
  QStringList paths = settings.Text(kRecentPlansKey).value_or(QString()).split('\n', Qt::SkipEmptyParts);
  paths.removeDuplicates();
  if (paths.size() > kRecentPlanLimit) paths.resize(kRecentPlanLimit);
  return paths;
}

void AddRecentPlan(SettingsStore& settings, const QString& path) {
  if (path.isEmpty() || path.contains('\n') || path.contains('\r')) return;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = RecentPlans(settings);
  paths.removeAll(absolute);
  paths.prepend(absolute);
  if (paths.size() > kRecentPlanLimit) paths.resize(kRecentPlanLimit);
  Store(settings, paths);
}

void RemoveRecentPlan(SettingsStore& settings, const QString& path) {
  QStringList paths = RecentPlans(settings);
  if (paths.removeAll(path) > 0) Store(settings, paths);
}
