#include <QApplication>
#include <QScreen>
#include <QStandardPaths>

#include "app/MainWindow.h"
#include "app/PageFactory.h"
#include "app/StartUp.h"
#include "platform/Platform.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettingsStore.h"
#include "shell/Page.h"
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

  StartUpInputs inputs;
  inputs.planArguments = QApplication::arguments().mid(1);
  inputs.programFolder = QApplication::applicationDirPath();
  inputs.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    inputs.screenWidth = screen->availableGeometry().width();
    inputs.screenHeight = screen->availableGeometry().height();
  }
  const QString problem = RunStartUp(session, settings, inputs);

  MainWindow window(session, platform);
  CreatePages(window, session, platform);
  window.ShowFirstPage();
  if (!problem.isEmpty()) prompts.Error(window.CurrentPage(), problem);
  return app.exec();
}
