#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramIdentity.h"
#include "platform/Desktop.h"

namespace {

constexpr int kContentsContext = 0;
const QSize kStartSize(620, 560);

// The window system adds the program's name to every caption, so the help
// caption does not repeat it.
QString HelpTitle(const QString& topic) {
  return topic.isEmpty() ? QStringLiteral("Help") : QStringLiteral("Help - %1").arg(topic);
}

QUrl TopicUrl(int context) { return QUrl(QStringLiteral("qrc") + HelpTopicResource(context)); }

}  // namespace

const std::vector<int>& HelpContexts() {
  static const std::vector<int> contexts = {0,    400,  500,  800,  900,  1000, 1100, 1200, 1300, 1400,
                                            1500, 1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400, 2700, 2800};
  return contexts;
}

QString HelpTopicResource(int context) {
  InitProgramResources();
  const auto& contexts = HelpContexts();
  const bool known = std::find(contexts.begin(), contexts.end(), context) != contexts.end();
  return QStringLiteral(":/help/%1.html").arg(known ? context : kContentsContext);
}

HelpWindow::HelpWindow(Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop), browser_(new QTextBrowser(this)) {
  setObjectName("HelpWindow");
  setWindowTitle(HelpTitle(QString()));
  setWindowIcon(ProgramIcon());
  browser_->setObjectName("HelpBrowser");
  // Links are followed here so that web addresses go through the desktop seam.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(HelpTitle(browser_->documentTitle())); });
  // Escape closes the viewer like any other help window.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

  auto* back = new QPushButton(tr("&Back"), this);
  back->setObjectName("HelpBack");
  back->setEnabled(false);
  auto* forward = new QPushButton(tr("&Forward"), this);
  forward->setObjectName("HelpForward");
  forward->setEnabled(false);
  auto* contents = new QPushButton(tr("&Contents"), this);
  contents->setObjectName("HelpContents");
  auto* closeButton = new QPushButton(tr("C&lose"), this);
  closeButton->setObjectName("HelpClose");
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(TopicUrl(kContentsContext)); });
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(contents);
  buttons->addStretch(1);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  resize(kStartSize);
}

void HelpWindow::ShowTopic(int context) {
  browser_->setSource(TopicUrl(context));
  show();
  raise();
  activateWindow();
}

void HelpWindow::FollowLink(const QUrl& url) {
  const QUrl target = browser_->source().resolved(url);
  if (target.scheme() == QLatin1String("qrc")) {
    browser_->setSource(target);
  } else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https") ||
             target.scheme() == QLatin1String("mailto")) {
    desktop_.OpenAddress(target.toString());
  }
}
