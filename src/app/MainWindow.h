#pragma once

#include <QMainWindow>
#include <map>

#include "shell/LeaveDecision.h"
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
  Page* PageAt(PageId id) const;
  Page* CurrentPage() const;
  // Shows the graph page and runs its activation: the program's first refresh.
  void ShowFirstPage();

  void SwitchPage(PageId from, PageId to) override;
  void LeaveByCloseBox(PageId from, PageId to) override;
  void SwitchPageValidated(PageId from, PageId to) override;
  void ReturnToPage(PageId from, PageId to) override;
  void ShowPageAsLeft(PageId page) override;
  void ExitProgram() override;
  void ApplySizeRule() override;
  void PlanStateChanged() override;
  void RunOnGraphPage(PageId from, const QString& command) override;
  int WindowTop() const override;
  int WindowLeft() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The one place a page's leave decision is applied.
  void Leave(PageId from, PageId to, LeaveBy by);
  void HideCurrent();
  void Show(Page* page);
  // The status line under the graph and plan pages says when the forecast
  // saturated; it is there only then.
  void ShowSaturationNote();
  void FocusFirstEntry(Page* page);
  // The visible page's caption with the unsaved-change placeholder.
  void ShowCaptionOf(const Page* page);

  Session& session_;
  Platform& platform_;
  QStackedWidget* stack_;
  std::map<PageId, Page*> pages_;
};
