#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>

#include "shell/PageId.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class Page;

// Builders for the menu items every page shares, so captions, object names
// and handlers are written once.
QAction* AddMenuCommand(QMenuBar* bar, const QString& caption, const QString& objectName,
                        std::function<void()> handler);
QAction* AddMenuCommand(QMenu* menu, const QString& caption, const QString& objectName, std::function<void()> handler);

// Gives `action` the desktop's key for a standard command (Ctrl+S for Save
// and so on); the menu shows it. A platform without a binding for the
// command gets the common one, so the key works the same everywhere.
void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key, const QString& does);

// The standard key of a plan file command (New, Open, Save, SaveAs or Quit),
// described alike on every page that binds it.
void SetPlanFileShortcut(QAction* action, QKeySequence::StandardKey key);

// The property naming the page a command leads to, so a command can be
// found by where it goes.
inline constexpr char kTargetPageProperty[] = "targetPage";

// "&Graph" or "&Plan": the top-level command leading to that result page.
QAction* AddGoToCommand(QMenuBar* bar, PageId page, std::function<void(PageId)> goTo);

// "&Setup" with the six data pages; the item of `currentPage` is checked and disabled.
// `goTo` receives the chosen page.
QMenu* AddSetupMenu(QMenuBar* bar, PageId currentPage, const QString& assumptionsCaption,
                    std::function<void(PageId)> goTo);

struct WindowMenuOptions {
  int helpContext = 0;
};

// "&Window": the page's help topic, the user guide, the maker's home page, a
// separator and "&About".
QMenu* AddWindowMenu(QMenuBar* bar, Page& page, const WindowMenuOptions& options);
