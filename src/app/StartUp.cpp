#include "app/StartUp.h"

#include <QDir>
#include <QFileInfo>

#include "model/PlanFile.h"
#include "platform/SettingsStore.h"
#include "shell/DollarViewSetting.h"
#include "shell/RecentPlans.h"
#include "shell/RuleSettings.h"
#include "shell/Session.h"
#include "shell/WindowSettings.h"

namespace {

QString WithSeparator(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

}  // namespace

QString ChoosePlanFolder(const QString& documentsFolder) {
  return WithSeparator(IsWritableFolder(documentsFolder) ? documentsFolder : QDir::homePath());
}

QString RunStartUp(Session& session, SettingsStore& settings, const StartUpInputs& inputs) {
  // Words of a path with blanks come back whole when joined by single blanks.
  QString startPlanPath = inputs.planArguments.join(' ');
  const bool fromCommandLine = !inputs.planArguments.isEmpty() && !inputs.planArguments.first().isEmpty();

  session.LastTop = settings_defaults::kTop;
  session.LastLeft = settings_defaults::kLeft;
  session.Rules = LoadForecastRules(settings);
  session.CurrentDollars = LoadDollarView(settings);
  session.working.PlanFolder = ChoosePlanFolder(inputs.documentsFolder).toStdString();

  const bool stored = ReadWindowSettings(session, settings, inputs.screenWidth, inputs.screenHeight);
  if (!fromCommandLine) {
    startPlanPath = stored ? settings.Text(settings_keys::kPlanPath).value_or(QString())
                           : QDir(inputs.programFolder).filePath("Double.plan");
  }

  QString problem = settings.Problem();
  session.Untitled = true;
  if (!startPlanPath.isEmpty() && QFileInfo(startPlanPath).isFile()) {
    const PlanFileResult result = ReadPlanFile(session.plan, startPlanPath.toStdString());
    session.Untitled = !result.ok || result.missing;
    const bool sampleOfTheProgram =
        QFileInfo(startPlanPath).absolutePath() == QFileInfo(inputs.programFolder).absoluteFilePath();
    if (result.ok && !result.missing && !sampleOfTheProgram) {
      session.PlanDirectory = WithSeparator(QFileInfo(startPlanPath).absolutePath()).toStdString();
      // A plan opened from a file manager or a shell is one the user chose.
      if (fromCommandLine) AddRecentPlan(settings, startPlanPath);
    } else if (!result.ok) {
      problem = QString::fromStdString(result.message) + (problem.isEmpty() ? "" : "\n\n" + problem);
    }
  }
  return problem;
}
