#include "app/Tf18help.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

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

Tf18help::Tf18help(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : Tf18help(kTextPage, "Orvex Financial Plan Help", true, session, platform, navigator, parent) {}

Tf18help::Tf18help(int number, const QString& caption, bool memoFillsPage, Session& session, Platform& platform,
                   Navigator& navigator, QWidget* parent)
    : Page(number, session, platform, navigator, parent), memo_(new QPlainTextEdit(Content())) {
  setWindowTitle(caption);
  SetFixedPageSize(kClientSize);
  AddMenuCommand(MenuBar(), "&Return", "Return1", [this] { Return1Click(); });

  memo_->setObjectName("Memo1");
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
  Instructions();
}

void Tf18help::FormCloseQuery() { Return1Click(); }

void Tf18help::Instructions() { memo_->clear(); }

void Tf18help::Return1Click() {
  // Only pages 1 to 17 can be returned to; anything else would leave the
  // user stuck here, so the graph page takes its place.
  const int last = session_.LastPageLeft;
  navigator_.ShowPageByNumber(last >= kGraphPage && last <= kHomeStatusPage ? last : kGraphPage);
}
