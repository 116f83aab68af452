#include "app/PageFactory.h"

#include "app/MainWindow.h"

void CreatePages(MainWindow& window, Session& session, Platform& platform) {
  (void)window;
  (void)session;
  (void)platform;
}
