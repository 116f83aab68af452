#include "app/KeysHelp.h"

#include <vector>

#include "app/MainWindow.h"
#include "app/PageRegistry.h"
#include "platform/Platform.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrompts.h"
#include "platform/QtSettingsStore.h"
#include "shell/DocumentedKeys.h"
#include "shell/Session.h"

QString KeysHelp(const MainWindow& window) {
  std::vector<const Page*> pages;
  for (const PageEntry& entry : PageTable()) {
    if (const Page* page = window.PageAt(entry.id)) pages.push_back(page);
  }
  return DocumentedKeysHelp(DocumentedKeys(pages));
}

QString KeysHelpOfUnshownProgram() {
  QtPrompts prompts;
  QtSettingsStore settings;
  QtDesktop desktop;
  Platform platform{prompts, settings, desktop};
  Session session;
  MainWindow window(session, platform);
  CreatePages(window, session, platform);
  return KeysHelp(window);
}
