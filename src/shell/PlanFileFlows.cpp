#include "shell/PlanFileFlows.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "platform/Platform.h"
#include "shell/RecentPlans.h"
#include "shell/Session.h"

namespace {

const char* const kSampleName = "JohnSmith.plan";

FileDialogRequest PlanDialog(const Session& session, const QString& title) {
  FileDialogRequest request;
  request.title = title;
  request.filter = "Plan Files (*.plan)";
  request.defaultExtension = "plan";
  request.initialFolder = QString::fromStdString(session.CurrentPlanFolder());
  request.proposedName = QString::fromStdString(CaptionPlanName(session.plan.PlanFileName));
  return request;
}

std::string FolderOf(const QString& path) {
  return QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString() + '/';
}

bool WriteTo(Session& session, Platform& platform, QWidget* page, const std::string& path) {
  const PlanFileResult result = WritePlanFile(session.plan, path);
  if (!result.ok) {
    platform.prompts.Error(page, QString::fromStdString(result.message));
    return false;
  }
  session.PlanDirectory = FolderOf(QString::fromStdString(path));
  session.Untitled = false;
  session.saved.Remember(session.plan);
  AddRecentPlan(platform.settings, QString::fromStdString(path));
  return true;
}

// A read-only plan file is still replaced, so only its folder matters.
bool CanWriteBeside(const std::string& path) {
  return QFileInfo(QFileInfo(QString::fromStdString(path)).absolutePath()).isWritable();
}

// The save dialog and the write; false when cancelled or the write failed.
bool SaveCurrent(Session& session, Platform& platform, QWidget* page) {
  FileDialogRequest request = PlanDialog(session, "Save Plan File");
  request.confirmOverwrite = true;
  const std::optional<QString> path = platform.prompts.SaveFile(page, request);
  if (!path) return false;
  return WriteTo(session, platform, page, path->toStdString());
}

// Reads the plan at `path` into `plan` (unchanged on failure) or shows the reader's message.
bool ReadOrTell(PlanRecord& plan, const QString& path, Platform& platform, QWidget* page) {
  const PlanFileResult result = ReadPlanFile(plan, path.toStdString());
  if (result.ok && !result.missing) return true;
  const std::string message =
      result.missing ? "The plan file '" + path.toStdString() + "' does not exist." : result.message;
  platform.prompts.Error(page, QString::fromStdString(message));
  return false;
}

// Whether Save may write without asking for a name: the plan has a name of
// its own, was read from or saved to a folder, and that folder can be written.
bool HasOwnWritablePlace(const Session& session) {
  return session.plan.PlanFileName != kSampleName && !session.PlanDirectory.empty() &&
         CanWriteBeside(session.PlanPath());
}

// The read of a chosen plan and what follows it.
bool Load(Session& session, Platform& platform, QWidget* page, const QString& path) {
  if (!ReadOrTell(session.plan, path, platform, page)) return false;
  ResetWorkingValues(session.working);
  session.PlanDirectory = FolderOf(path);
  session.Untitled = false;
  AddRecentPlan(platform.settings, path);
  return true;
}

}  // namespace

bool SaveFirst(Session& session, Platform& platform, QWidget* page) {
  if (!session.IsModified()) return true;
  const std::string& name = session.plan.PlanFileName;
  const bool sample = name == kSampleName;
  const std::string what = sample ? "RENAME [" + name + "] and save it as a new file" : "save [" + name + "]";
  const QString question = QString::fromStdString("Do you first want to " + what + "?");
  switch (platform.prompts.Warning(page, question, QuestionKind::YesNoCancel)) {
    case PromptButton::Cancel:
      return false;
    case PromptButton::Yes:
      // A cancelled or failed save stops the flow: going on would throw the plan away.
      // A plan from a folder the user cannot write to (the installed sample)
      // is saved through the dialog rather than failing.
      if (sample || !CanWriteBeside(session.PlanPath())) return SaveCurrent(session, platform, page);
      return WriteTo(session, platform, page, session.PlanPath());
    default:
      return true;
  }
}

bool NewPlan(Session& session, Platform& platform, QWidget* page) {
  if (!SaveFirst(session, platform, page)) return false;
  ResetPlan(session.plan);
  ResetWorkingValues(session.working);
  session.PlanDirectory.clear();
  session.Untitled = true;
  return true;
}

bool OpenPlan(Session& session, Platform& platform, QWidget* page) {
  if (!SaveFirst(session, platform, page)) return false;
  const std::optional<QString> path = platform.prompts.OpenFile(page, PlanDialog(session, "Open Plan File"));
  return path && Load(session, platform, page, *path);
}

bool OpenPlanAt(Session& session, Platform& platform, QWidget* page, const QString& path) {
  if (!SaveFirst(session, platform, page)) return false;
  if (QFileInfo::exists(path)) return Load(session, platform, page, path);
  RemoveRecentPlan(platform.settings, path);
  platform.prompts.Error(
      page, QString("The plan file '%1' does not exist.\nIt was removed from the recent plans.").arg(path));
  return false;
}

bool SavePlan(Session& session, Platform& platform, QWidget* page) {
  if (!HasOwnWritablePlace(session)) return SaveCurrent(session, platform, page);
  return WriteTo(session, platform, page, session.PlanPath());
}

bool SavePlanAs(Session& session, Platform& platform, QWidget* page) { return SaveCurrent(session, platform, page); }

std::optional<QString> OpenOtherPlan(const Session& session, Platform& platform, QWidget* page, PlanRecord& other) {
  FileDialogRequest request = PlanDialog(session, "Compare With Plan File");
  // The current plan's own name would only compare it with itself.
  request.proposedName.clear();
  const std::optional<QString> path = platform.prompts.OpenFile(page, request);
  if (!path || !ReadOrTell(other, *path, platform, page)) return std::nullopt;
  return path;
}
