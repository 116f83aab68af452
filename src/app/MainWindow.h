#pragma once

#include <QMainWindow>
#include <map>

#include "shell/Navigator.h"

class QStackedWidget;
class Page;
struct Session;
struct Platform;

// The one window of the program. It holds every page and shows one at a
// time; the visible page supplies the menu bar, the caption and the size rule.
class MainWindow : public QMainWindow, public Navigator {
  Q_OBJECT

 public:
  MainWindow(Session& session, Platform& platform);

  void AddPage(Page* page);
  Page* PageAt(int number) const;
  Page* CurrentPage() const;
  // Shows the graph page and runs its activation: the program's first refresh.
  void ShowFirstPage();

  void SwitchPage(int from, int to) override;
  void SwitchPageValidated(int from, int to) override;
  void ReturnToPage(int from, int to) override;
  void ShowPageByNumber(int n) override;
  void ExitProgram() override;
  void ApplySizeRule() override;
  int WindowTop() const override;
  int WindowLeft() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void HideCurrent();
  void Show(Page* page);
  void FocusFirstEntry(Page* page);

  Session& session_;
  Platform& platform_;
  QStackedWidget* stack_;
  std::map<int, Page*> pages_;
};
