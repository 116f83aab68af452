#pragma once

#include <QAction>
#include <QLineEdit>
#include <memory>
#include <ostream>

#include "app/MainWindow.h"
#include "pages/EntryRows.h"
#include "shell/Page.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

// Test messages name a page by its position in PageId.
inline std::ostream& operator<<(std::ostream& os, PageId id) { return os << "PageId(" << static_cast<int>(id) << ")"; }

// The page commands a test runs by what they do; each page names its own
// menu item for them.
enum class Command {
  Update,
  Return,
  Default,
  New,
  Open,
  Save,
  Exit,
  SwitchDollars,
  Print,
  SaveBitmap,
  CopySelection,
  CopyAll,
  About,
};

// The whole program with the scripted platform: every page created, the
// graph page shown. Tests reach a page by its id, a box by the plan field it
// edits and a command by what it does (menu item names where a test is about
// the names themselves), and check the session and the prompts shown.
class TestProgram {
 public:
  TestProgram();
  ~TestProgram();

  Session session;
  ScriptedPlatform scripted;
  std::unique_ptr<MainWindow> window;

  // The window caption without its unsaved-change marker (the window's
  // isWindowModified() tells whether the desktop shows one).
  QString CaptionText() const;
  Page* Current() const { return window->CurrentPage(); }
  Page* PageAt(PageId id) const { return window->PageAt(id); }
  // Shows page `id` the way a user would get there from the graph page.
  void Open(PageId id);
  // Triggers the menu item with this object name on the visible page.
  void Trigger(const QString& actionName);
  // Runs the visible page's command of this kind.
  void Run(Command command);
  // Leaves the visible page by its menu item or button leading to `page`.
  void LeaveFor(PageId page);
  // The edit box with this object name on the visible page.
  QLineEdit* Edit(const QString& name) const;
  // The box of the visible page that edits `field`.
  QLineEdit* Box(const PlanField& field) const;
  // Replaces the text of an edit box as if typed.
  void Type(const QString& editName, const QString& text);
  template <class T>
  void Type(T PlanRecord::*field, const QString& text) {
    TypeInto(Box(PlanField(field)), text);
  }

 private:
  void TypeInto(QLineEdit* edit, const QString& text);
};
