#pragma once

#include <QString>

#include "pages/DataPage.h"
#include "shell/PageMenus.h"

// What every expense category page shares: opened from the expense summary
// and returning there after validation, yellow 500 by 518 window, bold
// labels and boxes, the instruction memo below the rows, the menu of Update,
// Return and Window.
class CategoryPageBase : public DataPage {
  Q_OBJECT

 public:
  CategoryPageBase(PageId id, const QString& designCaption, int helpContext, Session& session, Platform& platform,
                   Navigator& navigator, QWidget* parent = nullptr);

  // The close box returns to the expense summary, not to the graph page.
  void CloseRequested() override;

 protected:
  void GoBack() override { ReturnToSummary(); }
  struct MenuItems {
    bool update = true;
  };
  void BuildMenu(const MenuItems& items);

  // Update: validate (its message shows, its result is not used), then
  // recompute the page total and show it.
  virtual void UpdateTotal() {}

  // Validates and, when valid, goes back to the expense summary without
  // touching LastPageLeft.
  void ReturnToSummary();

  void ShowDataEntryError();

  // Bold fonts on every label and box built so far.
  void ApplyFonts();
  // The memo from `top` to the foot of the page, as wide as the rows.
  QPlainTextEdit* AddInstructions(int top, const QString& text, const QString& hint);

  static constexpr int kPageWidth = 500;
  static constexpr int kPageHeight = 518;
};
