#include "app/AboutPage.h"

#include <QFontMetricsF>
#include <cmath>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/ProgramIdentity.h"

namespace {

const QColor kInactiveCaptionText(67, 78, 84);
const QRect kIconPlace(234, 17, 32, 32);
const QRect kMemoPlace(45, 67, 409, 425);
constexpr int kBottomGap = 8;

}  // namespace

AboutPage::AboutPage(Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : TextPage(PageId::About, "Orvex Financial Planning About Box", false, session, platform, navigator, parent) {
  Content()->setAutoFillBackground(true);
  QPalette palette = Content()->palette();
  palette.setColor(QPalette::Window, kInactiveCaptionText);
  Content()->setPalette(palette);

  auto* icon = new QLabel(Content());
  icon->setObjectName("Icon");
  icon->setGeometry(kIconPlace);
  icon->setPixmap(ProgramIcon().pixmap(kIconPlace.size()));

  Memo()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo()->setLineWrapMode(QPlainTextEdit::NoWrap);
  PlaceMemo();
}

QStringList AboutPage::AboutLines() {
  QStringList lines = {"", "", "", QString(kProgramName).toUpper(), QStringLiteral("Version %1").arg(kProgramVersion),
                       QStringLiteral("by %1").arg(kMakerName), "", ""};
  lines << "HOME PAGE" << kMakerWebAddress << "" << "";
  lines << "EMAIL" << kMakerEmail << "" << "";
  lines << "MAIL";
  for (const char* line : kMakerPostalAddress) lines << line;
  return lines;
}

QStringList AboutPage::CentreLines(const QStringList& lines, const QFontMetricsF& metrics, int width) {
  const qreal blank = std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char(' ')));
  QStringList centred;
  for (const QString& line : lines) {
    const qreal margin = (width - metrics.horizontalAdvance(line)) / 2;
    const int blanks = line.isEmpty() ? 0 : std::max(0, static_cast<int>(std::lround(margin / blank)));
    centred << QString(blanks, QLatin1Char(' ')) + line;
  }
  return centred;
}

void AboutPage::Refresh() {
  PlaceMemo();
  SetCaptionTitle("About Page [");
  const int width = Memo()->contentsRect().width() - 2 * static_cast<int>(Memo()->document()->documentMargin());
  Memo()->setPlainText(CentreLines(AboutLines(), QFontMetricsF(Memo()->font()), width).join("\r\n"));
}

// On small screens the page is lower than the memo's usual place; the memo
// then shrinks and scrolls rather than losing its last lines.
void AboutPage::PlaceMemo() {
  QRect place = kMemoPlace;
  const int room = PageSize().height() - kMemoPlace.top() - kBottomGap;
  const bool shortened = room < kMemoPlace.height();
  if (shortened) place.setHeight(std::max(room, 0));
  Memo()->setGeometry(place);
  Memo()->setVerticalScrollBarPolicy(shortened ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}
