#include "app/PageFactory.h"

#include "app/MainWindow.h"
#include "pages/CategoryPages.h"
#include "pages/EducationPage.h"
#include "pages/EventsPage.h"
#include "pages/Tf3person.h"
#include "pages/Tf4expense.h"
#include "pages/Tf5income.h"
#include "pages/Tf6assets.h"
#include "pages/Tf7tax.h"
#include "pages/Tf8assum.h"
#include "pages/Tf17assets.h"
#include "app/Tf18help.h"
#include "app/Tf20about.h"
#include "views/OddsPage.h"
#include "views/Tf1graph.h"
#include "views/Tf2plan.h"

void CreatePages(MainWindow& window, Session& session, Platform& platform) {
  (void)window;
  (void)session;
  (void)platform;
  window.AddPage(new Tf1graph(session, platform, window));
  window.AddPage(new Tf2plan(session, platform, window));
  window.AddPage(new Tf3person(session, platform, window));
  window.AddPage(new Tf4expense(session, platform, window));
  window.AddPage(new Tf5income(session, platform, window));
  window.AddPage(new Tf6assets(session, platform, window));
  window.AddPage(new Tf7tax(session, platform, window));
  window.AddPage(new Tf8assum(session, platform, window));
  window.AddPage(new Tf9home(session, platform, window));
  window.AddPage(new Tf10auto(session, platform, window));
  window.AddPage(new Tf11med(session, platform, window));
  window.AddPage(new Tf12com(session, platform, window));
  window.AddPage(new Tf13tain(session, platform, window));
  window.AddPage(new Tf14food(session, platform, window));
  window.AddPage(new Tf15edu(session, platform, window));
  window.AddPage(new Tf16other(session, platform, window));
  window.AddPage(new Tf17assets(session, platform, window));
  window.AddPage(new Tf18help(session, platform, window));
  window.AddPage(new Tf20about(session, platform, window));
  window.AddPage(new OddsPage(session, platform, window));
}
