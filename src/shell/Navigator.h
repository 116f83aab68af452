#pragma once

// The shell's side of page navigation, as the pages see it.
class Navigator {
 public:
  virtual ~Navigator() = default;
  // The page switch from page `from` to page `to`: a data-entry page validates
  // first (except before the about box) and stays when that fails.
  virtual void SwitchPage(int from, int to) = 0;
  // The same switch for a page that has already validated (its close box).
  virtual void SwitchPageValidated(int from, int to) = 0;
  // Hides `from` and shows `to` without validation and without touching
  // LastPageLeft (a category page returning to the expense summary).
  virtual void ReturnToPage(int from, int to) = 0;
  // Shows page n (1..17) without its refill; other numbers show nothing.
  virtual void ShowPageByNumber(int n) = 0;
  // Ends the program after the caller asked the save question; stores the
  // window settings with the position of the page that holds the menu.
  virtual void ExitProgram() = 0;
  // Re-applies the current page's size rule (after a page changes it).
  virtual void ApplySizeRule() = 0;
  // Window position of the one visible page.
  virtual int WindowTop() const = 0;
  virtual int WindowLeft() const = 0;
};
