#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "platform/Platform.h"
#include "shell/LeaveDecision.h"
#include "shell/Navigator.h"
#include "shell/Session.h"

class QMenuBar;
class QAction;

// One page of the program: a widget with its own menu bar that the main
// window shows alone. Subclasses add their controls to Content() and
// override the fill, validation, close and size rules they need.
class Page : public QWidget {
  Q_OBJECT

 public:
  Page(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent = nullptr);

  PageId Id() const { return id_; }
  QMenuBar* MenuBar() const { return menuBar_; }
  QWidget* Content() const { return content_; }

  // Data-entry pages check their boxes before they may be left.
  virtual bool IsDataEntry() const { return false; }
  // Whether and where the user may go when asking for page `to`.
  virtual LeaveDecision DecideLeaving(PageId, LeaveBy) { return LeaveDecision::Go(); }

  // Called by the shell when the page becomes the visible one: refills it
  // unless the shell asked for a return without refill.
  void Activate();
  // Called by the shell when the page is hidden by a switch.
  virtual void Hidden() {}
  // The window's close box was pressed while this page was visible: the
  // graph page is asked for.
  virtual void CloseRequested();

  // Size rule: fixed pages keep PageSize(); resizable pages start at
  // PageSize() and may not go below MinimumPageSize(). Sizes are of the area
  // below the page's menu bar; the main window adds the menu bar's height.
  virtual bool IsResizable() const { return false; }
  // Fixed pages that small screens force to the shared small-screen size.
  virtual bool FollowsSmallScreenRule() const { return false; }
  virtual QSize PageSize() const;
  virtual QSize MinimumPageSize() const { return PageSize(); }
  // The main window was resized; `size` is its new client size (resizable pages only).
  virtual void PageResized(QSize) {}

  // The control that takes the keyboard when the page is shown; null for
  // the page itself (data pages put the cursor in their first box).
  virtual QWidget* FirstFocus() const { return nullptr; }

  // Help context number of the page's "Help Topics" item (F1 may differ).
  virtual int HelpContext() const { return helpContext_; }
  virtual int F1HelpContext() const { return HelpContext(); }

  // Shows the plan's current name in the caption (after a save under a new
  // name, whichever page asked for it).
  void RefreshCaption();

  // The shared "&Window" commands.
  void OpenHelpTopic(int context);
  void OpenHtmlHelp();
  void OpenHomePage();
  void ShowAbout() { GoTo(PageId::About); }

 protected:
  // Fills the page again from the plan.
  virtual void Refresh() {}
  // The page became the visible one, refilled or as it was left.
  virtual void Activated() {}

  void SetFixedPageSize(QSize size) { fixedSize_ = size; }
  void SetHelpContext(int context) { helpContext_ = context; }
  // Title + "[ " + plan name up to its first "." + " ]".
  void SetCaptionTitle(const QString& title);

  void GoTo(PageId page) { navigator_.SwitchPage(id_, page); }
  virtual void ShowError(const QString& text) { platform_.prompts.Error(this, text); }
  void ShowInformation(const QString& text) { platform_.prompts.Information(this, text); }

  Session& session_;
  Platform& platform_;
  Navigator& navigator_;

 private:
  PageId id_;
  int helpContext_ = 0;
  QSize fixedSize_{536, 500};
  QString captionTitle_;
  QMenuBar* menuBar_;
  QWidget* content_;
};
