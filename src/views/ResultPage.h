#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "shell/Page.h"

class QAction;
class QMenu;

// What the graph and plan pages share: the File menu's plan commands, the
// dollar switch item and the steps after a plan is created or opened.
class ResultPage : public Page {
  Q_OBJECT

 public:
  ResultPage(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  bool IsResizable() const override { return true; }

  // The File menu and Dollars commands.
  void OnNew();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnOpenRecent(const QString& path);
  void OnExit();
  void SwitchDollars();

 protected:
  struct FileCommand {
    QString caption;
    QString objectName;
    std::function<void()> handler;
    QKeySequence::StandardKey key = QKeySequence::UnknownKey;
    QString keyDoes = QString();  // the key's line in the keys table
  };
  // "&File" with New, Open, the recent plans, Save, Save As, the page's own
  // commands and Exit.
  void AddFileMenu(const std::vector<FileCommand>& ownCommands);
  // The dollar switch at the right end of the menu bar.
  void AddDollarsItem(const QString& objectName);
  // The item's check mark and caption follow the session's switch, the one
  // truth shared by both pages.
  void UpdateDollarsItem();
  void StoreWindowSettings();

  // Shows the table as it is now, in the shown dollars.
  virtual void ShowForecast() = 0;
  // Shows the freshly computed forecast of a new or opened plan.
  virtual void ShowReplacedPlan() = 0;
  // Shows a newly chosen stress test (File, Stress Test) where the page draws one.
  virtual void ShowStressTest() {}

 private:
  void AfterPlanReplaced();
  // `previousPath`: where the plan was before the save (a new name makes it a variant of that plan).
  void AfterPlanSaved(const std::string& previousPath);
  void AfterReplacing(bool replaced);
  // Lists the recent plans, those whose file is gone disabled.
  void FillRecentMenu(QMenu* menu);

  QAction* dollarsItem_ = nullptr;
};
