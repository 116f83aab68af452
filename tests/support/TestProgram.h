#pragma once

#include <QAction>
#include <QLineEdit>
#include <memory>

#include "app/MainWindow.h"
#include "shell/Page.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

// The whole program with the scripted platform: every page created, the
// graph page shown. Tests drive it by page numbers, control names and menu
// item names, and check the session and the prompts shown.
class TestProgram {
 public:
  TestProgram();
  ~TestProgram();

  Session session;
  ScriptedPlatform scripted;
  std::unique_ptr<MainWindow> window;

  Page* Current() const { return window->CurrentPage(); }
  Page* PageAt(int number) const { return window->PageAt(number); }
  // Shows page `number` the way a user would get there from the graph page.
  void Open(int number);
  // Triggers the menu item with this object name on the visible page.
  void Trigger(const QString& actionName);
  // The edit box with this object name on the visible page.
  QLineEdit* Edit(const QString& name) const;
  // Replaces the text of an edit box as if typed.
  void Type(const QString& editName, const QString& text);
};
