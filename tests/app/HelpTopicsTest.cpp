#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <set>

#include "app/HelpWindow.h"
#include "support/ScriptedPlatform.h"

namespace {

QString ReadTopic(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QStringList Links(const QString& html) {
  QStringList links;
  static const QRegularExpression href(R"(href="([^"]*)\")");
  for (auto it = href.globalMatch(html); it.hasNext();) links << it.next().captured(1);
  return links;
}

// Every page's context number: F1 and "Help Topics" (400 and 0 on the graph page).
const int kPageContexts[] = {0,    400,  500,  800,  900,  1000, 1100, 1200, 1300, 1400,
                             1500, 1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400, 2700, 2800};

TEST(HelpTopicsTest, EveryContextNumberHasItsOwnTopic) {
  std::set<QString> resources;
  for (int context : kPageContexts) {
    const QString resource = HelpTopicResource(context);
    EXPECT_EQ(resource, QStringLiteral(":/help/%1.html").arg(context));
    const QString html = ReadTopic(resource);
    ASSERT_FALSE(html.isEmpty()) << "no topic for context " << context;
    EXPECT_TRUE(html.contains(QRegularExpression("<title>[^<]+</title>"))) << context;
    EXPECT_GT(html.size(), 600) << "topic " << context << " says too little";
    resources.insert(resource);
  }
  EXPECT_EQ(resources.size(), std::size(kPageContexts));
  EXPECT_EQ(HelpContexts(), std::vector<int>(std::begin(kPageContexts), std::end(kPageContexts)));
}

TEST(HelpTopicsTest, UnknownNumbersLeadToTheContents) {
  for (int context : {-1, 1, 401, 99999}) EXPECT_EQ(HelpTopicResource(context), ":/help/0.html") << context;
}

TEST(HelpTopicsTest, LinksBetweenTopicsLeadToTopicsAndContentsReachesThemAll) {
  std::set<QString> reachedFromContents;
  for (int context : kPageContexts) {
    const QString resource = HelpTopicResource(context);
    const QUrl base(QStringLiteral("qrc") + resource);
    for (const QString& link : Links(ReadTopic(resource))) {
      const QUrl target = base.resolved(QUrl(link));
      if (target.scheme() == "https") continue;
      ASSERT_EQ(target.scheme(), "qrc") << link.toStdString() << " in " << context;
      EXPECT_TRUE(QFile::exists(":" + target.path())) << link.toStdString() << " in topic " << context;
      if (context == 0) reachedFromContents.insert(":" + target.path());
    }
  }
  for (int context : kPageContexts) {
    if (context != 0) {
      EXPECT_TRUE(reachedFromContents.count(HelpTopicResource(context))) << context;
    }
  }
}

TEST(HelpTopicsTest, WindowShowsTheAskedTopicAndFollowsLinks) {
  RecordingDesktop desktop;
  HelpWindow help(desktop);
  help.ShowTopic(1100);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.Browser()->source(), QUrl("qrc:/help/1100.html"));
  EXPECT_EQ(help.Browser()->documentTitle(), "Income page");
  EXPECT_TRUE(help.windowTitle().contains("Income page"));

  emit help.Browser()->anchorClicked(QUrl("800.html"));
  EXPECT_EQ(help.Browser()->source(), QUrl("qrc:/help/800.html"));
  EXPECT_TRUE(help.Browser()->isBackwardAvailable());

  // Web addresses go to the desktop's browser, the topic stays.
  emit help.Browser()->anchorClicked(QUrl("https://www.ssa.gov/myaccount/"));
  EXPECT_EQ(desktop.openedAddresses, QStringList{"https://www.ssa.gov/myaccount/"});
  EXPECT_EQ(help.Browser()->source(), QUrl("qrc:/help/800.html"));

  help.ShowTopic(0);
  EXPECT_EQ(help.Browser()->documentTitle(), "Contents");
}

}  // namespace
