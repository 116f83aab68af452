#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class Page;

// Builders for the menu items every page shares, so captions, object names
// and handlers are written once.
QAction* AddMenuCommand(QMenuBar* bar, const QString& caption, const QString& objectName,
                        std::function<void()> handler);
QAction* AddMenuCommand(QMenu* menu, const QString& caption, const QString& objectName,
                        std::function<void()> handler);

// "&Setup" with the six data pages; the item of `currentPage` is checked and disabled.
// `goTo` receives the chosen page number.
QMenu* AddSetupMenu(QMenuBar* bar, int currentPage, const QString& assumptionsCaption,
                    std::function<void(int)> goTo);

struct WindowMenuOptions {
  int helpContext = 0;
  QString htmlHelpCaption = "Help HT&M";
  QString htmlHelpObjectName = "HelpHTM1";
  QString homePageObjectName = "OrvexGraphicsHomePage1";
};

// "&Window": help by context number, the HTML help document, the maker's
// home page, a separator and "&About".
QMenu* AddWindowMenu(QMenuBar* bar, Page& page, const WindowMenuOptions& options);
