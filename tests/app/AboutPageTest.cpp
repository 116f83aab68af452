#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "app/AboutPage.h"
#include "shell/PageMenus.h"
#include "support/RecordingNavigator.h"
#include "support/ScriptedPlatform.h"
#include "support/TestProgram.h"

namespace {

// A data page that counts its refills and refuses every validation, so a
// return that refilled or validated it shows.
class CountingPage : public Page {
 public:
  CountingPage(TestProgram& program, PageId id)
      : Page(id, program.session, program.scripted.platform, *program.window) {
    AddWindowMenu(MenuBar(), *this, WindowMenuOptions{});
  }
  bool IsDataEntry() const override { return true; }
  LeaveDecision DecideLeaving(PageId, LeaveBy) override {
    ++validations;
    return LeaveDecision::Stay();
  }
  int refills = 0;
  int validations = 0;

 protected:
  void Refresh() override { ++refills; }
};

QStringList MemoLines(const AboutPage& about) { return about.Memo()->toPlainText().split('\n'); }

class AboutBoxTest : public ::testing::Test {
 protected:
  Session session;
  ScriptedPlatform scripted;
  RecordingNavigator navigator;
};

TEST_F(AboutBoxTest, CaptionHasNoBlankAfterTheBracket) {
  AboutPage about(session, scripted.platform, navigator);
  session.plan.PlanFileName = "JohnSmith.plan";
  about.Activate();
  EXPECT_EQ(about.windowTitle(), "About Page [JohnSmith ]");

  session.plan.PlanFileName = "Retire.early.plan";
  about.Activate();
  EXPECT_EQ(about.windowTitle(), "About Page [Retire ]");

  // A name without "." shows nothing between the brackets, like every caption.
  session.plan.PlanFileName = "Retirement";
  about.Activate();
  EXPECT_EQ(about.windowTitle(), "About Page [ ]");
}

TEST_F(AboutBoxTest, MemoNamesTheProgramVersionAndMakerNearTheMiddle) {
  AboutPage about(session, scripted.platform, navigator);
  about.Activate();

  EXPECT_FALSE(about.Memo()->toPlainText().contains('\r')) << "line breaks must not show as characters";
  QStringList trimmed;
  for (const QString& line : MemoLines(about)) trimmed << line.trimmed();
  EXPECT_EQ(trimmed, AboutPage::AboutLines());
  ASSERT_GE(trimmed.size(), 20);
  EXPECT_EQ(trimmed.mid(0, 6), (QStringList{"", "", "", "PREVORA", "Version 1.24", "by Orvex Graphics"}));
  // Three contact blocks, each a heading after two empty lines.
  for (const char* heading : {"HOME PAGE", "EMAIL", "MAIL"}) {
    const qsizetype at = trimmed.indexOf(heading);
    ASSERT_GE(at, 2) << heading;
    EXPECT_EQ(trimmed[at - 1], "");
    EXPECT_EQ(trimmed[at - 2], "");
    EXPECT_FALSE(trimmed[at + 1].isEmpty());
  }
  EXPECT_EQ(trimmed.size() - trimmed.indexOf("MAIL"), 4) << "the postal address takes three lines";
  EXPECT_EQ(about.Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(AboutBoxTest, CentringBalancesTheBlanksOnBothSides) {
  const QFontMetricsF metrics(QFont("Liberation Sans", 10));
  const int width = 400;
  const QStringList centred = AboutPage::CentreLines({"PREVORA", "", "a much longer line of text here"}, metrics, width);
  const qreal blank = metrics.horizontalAdvance(' ');
  for (const QString& line : {centred[0], centred[2]}) {
    const QString text = line.trimmed();
    const qreal left = metrics.horizontalAdvance(line) - metrics.horizontalAdvance(text);
    const qreal right = width - metrics.horizontalAdvance(line);
    EXPECT_GT(left, 0);
    EXPECT_LE(std::abs(left - right), blank + 0.5) << line.toStdString();
  }
  EXPECT_EQ(centred[1], "");
  // A line wider than the memo gets no blanks rather than a negative count.
  EXPECT_EQ(AboutPage::CentreLines({QString(200, 'W')}, metrics, width)[0], QString(200, 'W'));
}

TEST_F(AboutBoxTest, ReturnAndCloseGoBackToThePageLeftLast) {
  AboutPage about(session, scripted.platform, navigator);
  session.LastPageLeft = PageId::ExpenseSummary;
  auto* returnItem = about.findChild<QAction*>("Return");
  ASSERT_NE(returnItem, nullptr);
  returnItem->trigger();
  about.CloseRequested();
  EXPECT_EQ(navigator.shownAsLeft, (std::vector<PageId>{PageId::ExpenseSummary, PageId::ExpenseSummary}));
  EXPECT_TRUE(navigator.switches.empty());
}

TEST_F(AboutBoxTest, ANumberThatCannotBeShownReturnsToTheGraphPage) {
  AboutPage about(session, scripted.platform, navigator);
  for (PageId last : {static_cast<PageId>(-1), PageId::Text, PageId::About, static_cast<PageId>(99)}) {
    session.LastPageLeft = last;
    about.CloseRequested();
  }
  EXPECT_EQ(navigator.shownAsLeft, std::vector<PageId>(4, PageId::Graph));
}

TEST_F(AboutBoxTest, SmallScreensShrinkTheMemoAndLetItScroll) {
  session.geometry.ScreenHeight = 500;
  session.geometry.SmallScreenHeight = 400;
  AboutPage about(session, scripted.platform, navigator);
  // The forced height is the whole window's, menu bar included.
  EXPECT_EQ(about.PageSize(), QSize(536, 400 - about.MenuBar()->sizeHint().height()));
  about.resize(536, 400);
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  const QRect memo = about.Memo()->geometry();
  EXPECT_EQ(memo.left(), 45);
  EXPECT_EQ(memo.top(), 67);
  EXPECT_LE(memo.bottom(), about.Content()->height());
  EXPECT_NE(about.Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(AboutBoxProgramTest, OpenedFromADataPageItReturnsWithoutValidationOrRefill) {
  TestProgram program;
  // Any page the return can show will do; the probe takes its place.
  auto* page = new CountingPage(program, PageId::SpecialEvents);
  program.window->AddPage(page);
  program.window->SwitchPageValidated(program.Current() ? program.Current()->Id() : PageId::Graph,
                                      PageId::SpecialEvents);
  ASSERT_EQ(program.Current(), page);
  ASSERT_EQ(page->refills, 1);

  program.Run(Command::About);
  ASSERT_EQ(program.Current()->Id(), PageId::About);
  EXPECT_EQ(program.session.LastPageLeft, PageId::SpecialEvents);
  EXPECT_EQ(program.CaptionText(), "About Page [JohnSmith ]");

  program.Run(Command::Return);
  EXPECT_EQ(program.Current(), page);
  EXPECT_EQ(page->refills, 1);
  EXPECT_EQ(page->validations, 0);
  EXPECT_FALSE(program.session.SuppressRefresh);

  // Its close box does the same.
  program.Run(Command::About);
  program.window->close();
  EXPECT_EQ(program.Current(), page);
  EXPECT_EQ(page->refills, 1);
}

TEST(AboutBoxProgramTest, TextPageIsEmptyWithItsOwnCaption) {
  TestProgram program;
  Page* text = program.PageAt(PageId::Text);
  ASSERT_NE(text, nullptr);
  auto* memo = text->findChild<QPlainTextEdit*>("Text");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(text->windowTitle(), "Orvex Financial Plan Help");
  EXPECT_EQ(text->PageSize(), QSize(500, 518));
}

}  // namespace
