#include "shell/WindowSettings.h"

#include <QString>

#include "platform/SettingsStore.h"
#include "shell/Session.h"

void SaveWindowSettings(Session& session, SettingsStore& settings, int top, int left) {
  const WindowGeometry& g = session.geometry;
  settings.SetInteger("myTop", top);
  settings.SetInteger("myLeft", left);
  settings.SetInteger("myWidth", g.PlanWidth);
  settings.SetInteger("myHeight", g.PlanHeight);
  settings.SetInteger("myWidthg", g.GraphWidth);
  settings.SetInteger("myHeightg", g.GraphHeight);
  // The plan's own folder, so a plan opened elsewhere is found again at the
  // next start instead of a same-named file in the program's folder.
  settings.SetText("PathFileName", QString::fromStdString(session.PlanPath()));
}
