#include "shell/Page.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "model/NumberFormat.h"
#include "shell/DocumentedKeys.h"

Page::Page(PageId id, Session& session, Platform& platform, Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      session_(session),
      platform_(platform),
      navigator_(navigator),
      id_(id),
      menuBar_(new QMenuBar(this)),
      content_(new QWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(content_, 1);
  menuBar_->setObjectName("MainMenu");
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  f1->setObjectName("PageHelp");
  DescribeKey(f1, "the help topic of the page shown");
  connect(f1, &QShortcut::activated, this, [this] { OpenHelpTopic(F1HelpContext()); });
}

QSize Page::PageSize() const {
  const WindowGeometry& g = session_.geometry;
  // The forced height is the whole window's, like the graph page's, so the
  // page still fits a screen of that height once its menu bar is counted.
  if (FollowsSmallScreenRule() && g.IsSmallScreen())
    return {g.SmallScreenWidth, g.SmallScreenHeight - MenuBar()->sizeHint().height()};
  return fixedSize_;
}

void Page::Activate() {
  if (session_.SuppressRefresh) {
    session_.SuppressRefresh = false;
  } else {
    Refresh();
  }
  Activated();
}

void Page::CloseRequested() { navigator_.LeaveByCloseBox(id_, PageId::Graph); }

void Page::SetCaptionTitle(const QString& title) {
  captionTitle_ = title;
  RefreshCaption();
}

void Page::RefreshCaption() {
  if (captionTitle_.isEmpty()) return;
  const std::string fileName = session_.Untitled ? std::string("Untitled.plan") : session_.plan.PlanFileName;
  setWindowTitle(QString::fromStdString(PageCaption(captionTitle_.toStdString(), fileName)));
}

void Page::OpenHelpTopic(int context) { platform_.desktop.ShowHelpTopic(context); }

// The help document and the home page ship beside the program, so they open
// whatever the current folder is.
void Page::OpenHtmlHelp() {
  platform_.desktop.OpenDocument(QDir(QCoreApplication::applicationDirPath()).filePath("Help_HTM.htm"));
}

void Page::OpenHomePage() {
  platform_.desktop.OpenDocument(QDir(QCoreApplication::applicationDirPath()).filePath("about.html"));
}
