#include "app/StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "model/PlanFile.h"
#include "platform/SettingsStore.h"
#include "shell/Session.h"

namespace {

QString WithSeparator(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

// Reads the stored geometry; false on the first run, when it writes the defaults.
bool ReadStoredGeometry(Session& session, SettingsStore& settings) {
  WindowGeometry& g = session.geometry;
  if (!settings.Contains("myTop")) {
    settings.SetInteger("myTop", session.LastTop);
    settings.SetInteger("myLeft", session.LastLeft);
    settings.SetInteger("myHeight", 574);
    settings.SetInteger("myWidth", 506);
    settings.SetInteger("myHeightg", 574);
    settings.SetInteger("myWidthg", 506);
    return false;
  }
  // A value missing beside "myTop" keeps its start value.
  session.LastTop = settings.Integer("myTop").value_or(session.LastTop);
  session.LastLeft = settings.Integer("myLeft").value_or(session.LastLeft);
  g.PlanHeight = settings.Integer("myHeight").value_or(g.PlanHeight);
  g.PlanWidth = settings.Integer("myWidth").value_or(g.PlanWidth);
  g.GraphHeight = settings.Integer("myHeightg").value_or(g.GraphHeight);
  g.GraphWidth = settings.Integer("myWidthg").value_or(g.GraphWidth);
  return true;
}

void ApplyScreenClamps(Session& session, const StartUpInputs& inputs) {
  WindowGeometry& g = session.geometry;
  g.ScreenHeight = inputs.screenHeight;
  if (g.ScreenHeight > 0 && g.ScreenHeight < 550) {
    g.MinPageHeight = g.ScreenHeight;
    g.SmallScreenHeight = g.ScreenHeight;
  }
  if (g.ScreenHeight > 0) {
    g.PlanHeight = std::min(g.PlanHeight, g.ScreenHeight);
    g.GraphHeight = std::min(g.GraphHeight, g.ScreenHeight);
  }
  g.PlanWidth = std::min(g.PlanWidth, g.MaxPageWidth);
  // A window stored off the screen (a monitor since removed) would be unreachable.
  if (inputs.screenWidth > 0) session.LastLeft = std::clamp(session.LastLeft, 0, std::max(0, inputs.screenWidth - 100));
  if (inputs.screenHeight > 0) session.LastTop = std::clamp(session.LastTop, 0, std::max(0, inputs.screenHeight - 100));
}

}  // namespace

QString ChoosePlanFolder(const QString& programFolder, const QString& documentsFolder) {
  if (IsWritableFolder(programFolder)) return WithSeparator(programFolder);
  const QString fallback = QDir(documentsFolder).filePath("Prevora");
  QDir().mkpath(fallback);
  return WithSeparator(fallback);
}

QString RunStartUp(Session& session, SettingsStore& settings, const StartUpInputs& inputs) {
  // Words of a path with blanks come back whole when joined by single blanks.
  QString startPlanPath = inputs.planArguments.join(' ');
  const bool fromCommandLine = !inputs.planArguments.isEmpty() && !inputs.planArguments.first().isEmpty();

  session.LastTop = 20;
  session.LastLeft = 20;
  session.working.PlanFolder = ChoosePlanFolder(inputs.programFolder, inputs.documentsFolder).toStdString();

  const bool stored = ReadStoredGeometry(session, settings);
  if (!fromCommandLine) {
    startPlanPath = stored ? settings.Text("PathFileName").value_or(QString())
                           : QDir(inputs.programFolder).filePath("Double.plan");
  }

  QString problem;
  if (!startPlanPath.isEmpty() && QFileInfo(startPlanPath).isFile()) {
    const PlanFileResult result = ReadPlanFile(session.plan, startPlanPath.toStdString());
    if (result.ok && !result.missing) {
      session.PlanDirectory = WithSeparator(QFileInfo(startPlanPath).absolutePath()).toStdString();
    } else if (!result.ok) {
      problem = QString::fromStdString(result.message);
    }
  }

  ApplyScreenClamps(session, inputs);
  return problem;
}
