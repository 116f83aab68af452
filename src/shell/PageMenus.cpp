#include "shell/PageMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/DocumentedKeys.h"
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

QAction* AddMenuCommand(QMenu* menu, const QString& caption, const QString& objectName, std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  Wire(action, objectName, std::move(handler));
  return action;
}

namespace {

QKeySequence CommonBinding(QKeySequence::StandardKey key) {
  switch (key) {
    case QKeySequence::New:
      return QKeySequence(Qt::CTRL | Qt::Key_N);
    case QKeySequence::Open:
      return QKeySequence(Qt::CTRL | Qt::Key_O);
    case QKeySequence::Save:
      return QKeySequence(Qt::CTRL | Qt::Key_S);
    case QKeySequence::SaveAs:
      return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    case QKeySequence::Print:
      return QKeySequence(Qt::CTRL | Qt::Key_P);
    case QKeySequence::Quit:
      return QKeySequence(Qt::CTRL | Qt::Key_Q);
    case QKeySequence::Copy:
      return QKeySequence(Qt::CTRL | Qt::Key_C);
    default:
      return {};
  }
}

}  // namespace

void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const QString& does) {
  const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
  if (bindings.isEmpty()) {
    action->setShortcut(CommonBinding(key));
  } else {
    action->setShortcuts(bindings);
  }
  DescribeKey(action, does);
}

void SetPlanFileShortcut(QAction* action, QKeySequence::StandardKey key) {
  const struct {
    QKeySequence::StandardKey key;
    const char* does;
  } commands[] = {{QKeySequence::New, "start a new, empty plan"},
                  {QKeySequence::Open, "open a plan"},
                  {QKeySequence::Save, "save the plan"},
                  {QKeySequence::SaveAs, "save the plan under a new name"},
                  {QKeySequence::Quit, "exit"}};
  for (const auto& command : commands) {
    if (command.key == key) SetStandardShortcut(action, key, command.does);
  }
}

namespace {

QAction* MarkTarget(QAction* action, PageId page) {
  action->setProperty(kTargetPageProperty, static_cast<int>(page));
  return action;
}

}  // namespace

QAction* AddGoToCommand(QMenuBar* bar, PageId page, std::function<void(PageId)> goTo) {
  const bool graph = page == PageId::Graph;
  return MarkTarget(AddMenuCommand(bar, graph ? "&Graph" : "&Plan", graph ? "Graph" : "Plan",
                                   [goTo = std::move(goTo), page] { goTo(page); }),
                    page);
}

QMenu* AddSetupMenu(QMenuBar* bar, PageId currentPage, const QString& assumptionsCaption,
                    std::function<void(PageId)> goTo) {
  struct Item {
    const char* caption;
    const char* objectName;
    PageId page;
  };
  const Item items[] = {
      {"&Personal Data", "PersonalData", PageId::Personal},
      {"&Assets", "Assets", PageId::Assets},
      {"&Income", "Income", PageId::Income},
      {"&Taxes", "Taxes", PageId::Taxes},
      {"&Expenses", "Expenses", PageId::ExpenseSummary},
      {nullptr, "Assumptions", PageId::Assumptions},
  };
  QMenu* menu = bar->addMenu("&Setup");
  menu->setObjectName("SetupMenu");
  for (const Item& item : items) {
    const QString caption = item.caption ? QString(item.caption) : assumptionsCaption;
    const PageId page = item.page;
    QAction* action = MarkTarget(AddMenuCommand(menu, caption, item.objectName, [goTo, page] { goTo(page); }), page);
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
  menu->setObjectName("WindowMenu");
  const int context = options.helpContext;
  AddMenuCommand(menu, "Help &Topics", "HelpTopics", [&page, context] { page.OpenHelpTopic(context); });
  AddMenuCommand(menu, "&User Guide", "UserGuide", [&page] { page.OpenHtmlHelp(); });
  AddMenuCommand(menu, "&Orvex Graphics Home Page", "HomePage", [&page] { page.OpenHomePage(); });
  menu->addSeparator();
  AddMenuCommand(menu, "&About", "About", [&page] { page.ShowAbout(); });
  return menu;
}
