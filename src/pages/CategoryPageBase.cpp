#include "pages/CategoryPageBase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "pages/CategoryTexts.h"

CategoryPageBase::CategoryPageBase(PageId id, const QString& designCaption, int helpContext, Session& session,
                                   Platform& platform, Navigator& navigator, QWidget* parent)
    : DataPage(id, session, platform, navigator, parent) {
  setWindowTitle(designCaption);
  SetHelpContext(helpContext);
  SetClientSize(QSize(kPageWidth, kPageHeight));
  SetPageColour(Qt::yellow);
}

void CategoryPageBase::CloseRequested() { ReturnToSummary(); }

void CategoryPageBase::BuildMenu(const MenuItems& items) {
  if (items.update) AddMenuCommand(MenuBar(), "&Update", "Update", [this] { UpdateTotal(); });
  AddMenuCommand(MenuBar(), "&Return", "Return", [this] { ReturnToSummary(); });
  AddWindowMenu(MenuBar(), *this, {HelpContext()});
}

void CategoryPageBase::ReturnToSummary() {
  if (ValidatePage()) navigator_.ReturnToPage(Id(), PageId::ExpenseSummary);
}

void CategoryPageBase::ShowDataEntryError() { ShowError(kDataEntryError); }

void CategoryPageBase::ApplyFonts() {
  for (QLabel* label : Content()->findChildren<QLabel*>()) {
    QFont font = label->font();
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
  }
  for (QLineEdit* edit : Content()->findChildren<QLineEdit*>()) {
    QFont font = edit->font();
    font.setPixelSize(13);
    font.setBold(true);
    edit->setFont(font);
  }
}

QPlainTextEdit* CategoryPageBase::AddInstructions(int top, const QString& text, const QString& hint) {
  const int left = kCategoryPageGrid.left;
  return AddMemo("Instructions", QRect(left, top, kPageWidth - 2 * left, kPageHeight - top - 10), text, hint);
}
