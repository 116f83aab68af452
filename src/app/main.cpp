#include <QApplication>

#include "app/MainWindow.h"
#include "app/PageFactory.h"
#include "platform/Platform.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettingsStore.h"
#include "shell/Session.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Prevora");
  QApplication::setApplicationDisplayName("Prevora");

  QtPrompts prompts;
  QtSettingsStore settings;
  QtDesktop desktop;
  Platform platform{prompts, settings, desktop};
  Session session;

  MainWindow window(session, platform);
  CreatePages(window, session, platform);
  window.ShowFirstPage();
  return app.exec();
}
