#include "shell/PageMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/Page.h"

namespace {

void Wire(QAction* action, const QString& objectName, std::function<void()> handler) {
  action->setObjectName(objectName);
  QObject::connect(action, &QAction::triggered, action, [handler = std::move(handler)] { handler(); });
}

}  // namespace

QAction* AddMenuCommand(QMenuBar* bar, const QString& caption, const QString& objectName,
                        std::function<void()> handler) {
  QAction* action = bar->addAction(caption);
  Wire(action, objectName, std::move(handler));
  return action;
}

QAction* AddMenuCommand(QMenu* menu, const QString& caption, const QString& objectName,
                        std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  Wire(action, objectName, std::move(handler));
  return action;
}

QMenu* AddSetupMenu(QMenuBar* bar, int currentPage, const QString& assumptionsCaption,
                    std::function<void(int)> goTo) {
  struct Item {
    const char* caption;
    const char* objectName;
    int page;
  };
  const Item items[] = {
      {"&Personal Data", "PersonalData1", kPersonalPage}, {"&Assets", "Assets1", kAssetsPage},
      {"&Income", "Income1", kIncomePage},                {"&Taxes", "axes1", kTaxesPage},
      {"&Expenses", "Expenses1", kExpensePage},           {nullptr, "Assumptions1", kAssumptionsPage},
  };
  QMenu* menu = bar->addMenu("&Setup");
  menu->setObjectName("Setup1");
  for (const Item& item : items) {
    const QString caption = item.caption ? QString(item.caption) : assumptionsCaption;
    const int page = item.page;
    QAction* action = AddMenuCommand(menu, caption, item.objectName, [goTo, page] { goTo(page); });
    if (page == currentPage) {
      action->setCheckable(true);
      action->setChecked(true);
      action->setEnabled(false);
    }
  }
  return menu;
}

QMenu* AddWindowMenu(QMenuBar* bar, Page& page, const WindowMenuOptions& options) {
  QMenu* menu = bar->addMenu("&Window");
  menu->setObjectName("Window1");
  const int context = options.helpContext;
  AddMenuCommand(menu, "&Help Win32", "Help1", [&page, context] { page.OpenHelpTopic(context); });
  AddMenuCommand(menu, options.htmlHelpCaption, options.htmlHelpObjectName, [&page] { page.OpenHtmlHelp(); });
  AddMenuCommand(menu, "&Orvex Graphics Home Page", options.homePageObjectName, [&page] { page.OpenHomePage(); });
  menu->addSeparator()->setObjectName("N1");
  AddMenuCommand(menu, "&About", "About1", [&page] { page.ShowAbout(); });
  return menu;
}
