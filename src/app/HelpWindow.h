#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QTextBrowser;
class QUrl;
class Desktop;

// Every context number that has a help topic; 0 is the contents.
const std::vector<int>& HelpContexts();

// Resource path of the topic for `context` (":/help/1100.html"); a number
// without a topic of its own leads to the contents.
QString HelpTopicResource(int context);

// The program's help viewer: a window beside the pages, never modal, showing
// one compiled-in topic at a time with links between topics.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Web links in the topics open through `desktop`.
  explicit HelpWindow(Desktop& desktop, QWidget* parent = nullptr);

  // Shows topic `context` and brings the window to the front.
  void ShowTopic(int context);

  QTextBrowser* Browser() const { return browser_; }

 private:
  void FollowLink(const QUrl& url);

  Desktop& desktop_;
  QTextBrowser* browser_;
};
