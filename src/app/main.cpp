#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "app/KeysHelp.h"
#include "app/MainWindow.h"
#include "app/PageRegistry.h"
#include "app/ProgramIdentity.h"
#include "app/StartUp.h"
#include "platform/Platform.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettingsStore.h"
#include "shell/Page.h"
#include "shell/Session.h"

int main(int argc, char** argv) {
  // --help and --version answer without needing a display.
  if (CommandLineRequest early = ParseCommandLine(RawArguments(argc, argv)); early.exitNow && early.exitCode == 0) {
    if (early.listKeys) {
      // The keys are read off the pages, built where no display is needed and never shown.
      qputenv("QT_QPA_PLATFORM", "offscreen");
      QApplication app(argc, argv);
      early.output += KeysHelpOfUnshownProgram();
    }
    return PrintCommandLineOutput(early);
  }
  // Without a display Qt would abort; say what to do instead.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("prevora: no display found. Start it from a desktop session, or use prevora-cli "
               "(for example 'prevora-cli forecast PLAN') to work without a window.\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Prevora");
  QApplication::setApplicationDisplayName("Prevora");
  QApplication::setApplicationVersion(kProgramVersion);
  QApplication::setWindowIcon(ProgramIcon());
  const CommandLineRequest request = ParseCommandLine(QApplication::arguments());
  if (request.exitNow) return PrintCommandLineOutput(request);

  QtPrompts prompts;
  QtSettingsStore settings;
  QtDesktop desktop;
  Platform platform{prompts, settings, desktop};
  Session session;

  StartUpInputs inputs;
  inputs.planArguments = request.planArguments;
  inputs.programFolder = QApplication::applicationDirPath();
  inputs.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // The whole screen, as the graph page measures it for its small-screen rule.
    inputs.screenWidth = screen->size().width();
    inputs.screenHeight = screen->size().height();
  }
  const QString problem = RunStartUp(session, settings, inputs);

  MainWindow window(session, platform);
  auto* help = new HelpWindow(desktop, &window);
  desktop.SetHelpHandler([help](int context) { help->ShowTopic(context); });
  CreatePages(window, session, platform);
  window.ShowFirstPage();
  if (!problem.isEmpty()) prompts.Error(window.CurrentPage(), problem);
  return app.exec();
}
