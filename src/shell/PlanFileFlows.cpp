#include "shell/PlanFileFlows.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include "model/NumberFormat.h"
#include "model/PlanFile.h"
#include "model/SamplePlan.h"
#include "platform/Platform.h"
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

}  // namespace

bool SaveFirst(Session& session, Platform& platform, QWidget* page) {
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
  return true;
}

bool OpenPlan(Session& session, Platform& platform, QWidget* page) {
  if (!SaveFirst(session, platform, page)) return false;
  const std::optional<QString> path = platform.prompts.OpenFile(page, PlanDialog(session, "Open Plan File"));
  if (!path || !ReadOrTell(session.plan, *path, platform, page)) return false;
  ResetWorkingValues(session.working);
  session.PlanDirectory = FolderOf(*path);
  return true;
}

bool SavePlan(Session& session, Platform& platform, QWidget* page) { return SaveCurrent(session, platform, page); }

std::optional<QString> OpenOtherPlan(const Session& session, Platform& platform, QWidget* page, PlanRecord& other) {
  FileDialogRequest request = PlanDialog(session, "Compare With Plan File");
  // The current plan's own name would only compare it with itself.
  request.proposedName.clear();
  const std::optional<QString> path = platform.prompts.OpenFile(page, request);
  if (!path || !ReadOrTell(other, *path, platform, page)) return std::nullopt;
  return path;
}
