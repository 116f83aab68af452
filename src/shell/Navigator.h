#pragma once

#include <QString>

#include "shell/PageId.h"

// The shell's side of page navigation, as the pages see it.
class Navigator {
 public:
  virtual ~Navigator() = default;
  // A menu command of page `from` asks for page `to`: the page decides first
  // whether and where it may be left (not before the about box, which every
  // page may open as it is).
  virtual void SwitchPage(PageId from, PageId to) = 0;
  // The same for the window's close box, which asks for page `to`.
  virtual void LeaveByCloseBox(PageId from, PageId to) = 0;
  // Shows `to` after `from` has decided by itself that it may be left.
  virtual void SwitchPageValidated(PageId from, PageId to) = 0;
  // Hides `from` and shows `to` without validation and without touching
  // LastPageLeft (a detail page returning to the page that opened it).
  virtual void ReturnToPage(PageId from, PageId to) = 0;
  // Shows `page` as it was left, without its refill; only the data and result
  // pages can be shown this way, any other id shows nothing.
  virtual void ShowPageAsLeft(PageId page) = 0;
  // Ends the program after the caller asked the save question; stores the
  // window settings with the position of the page that holds the menu.
  virtual void ExitProgram() = 0;
  // Re-applies the current page's size rule (after a page changes it).
  virtual void ApplySizeRule() = 0;
  // The plan was saved, replaced or changed: every page's caption and the
  // unsaved-change marker follow.
  virtual void PlanStateChanged() {}
  // Leaves `from` (already checked) for the graph page and runs its File
  // command of this object name there ("New", "Open").
  virtual void RunOnGraphPage(PageId, const QString&) {}
  // Window position of the one visible page.
  virtual int WindowTop() const = 0;
  virtual int WindowLeft() const = 0;
};
