#include "app/TextPage.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/PageRegistry.h"
#include "shell/PageMenus.h"

namespace {

const QSize kClientSize(500, 518);
const QColor kInfoBackground(255, 255, 225);  // the desktop's tooltip colour

QFont MemoFont() {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"});
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

}  // namespace

TextPage::TextPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : TextPage(PageId::Text, "Orvex Financial Plan Help", true, session, platform, navigator, parent) {}

TextPage::TextPage(PageId id, const QString& caption, bool memoFillsPage, Session& session, Platform& platform,
                   Navigator& navigator, QWidget* parent)
    : Page(id, session, platform, navigator, parent), memo_(new QPlainTextEdit(Content())) {
  setWindowTitle(caption);
  SetFixedPageSize(kClientSize);
  AddMenuCommand(MenuBar(), "&Return", "Return", [this] { ReturnToPageLeft(); });

  memo_->setObjectName("Text");
  memo_->setReadOnly(true);
  memo_->setFocusPolicy(Qt::NoFocus);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setFont(MemoFont());
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Base, kInfoBackground);
  palette.setColor(QPalette::Text, Qt::black);
  memo_->setPalette(palette);
  if (memoFillsPage) {
    auto* layout = new QVBoxLayout(Content());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
  }
  ClearMemo();
}

void TextPage::CloseRequested() { ReturnToPageLeft(); }

void TextPage::ClearMemo() { memo_->clear(); }

void TextPage::ReturnToPageLeft() {
  // Only data and result pages can be returned to; anything else would leave
  // the user stuck here, so the graph page takes its place.
  const PageId last = session_.LastPageLeft;
  navigator_.ShowPageAsLeft(CanShowAsLeft(last) ? last : PageId::Graph);
}
