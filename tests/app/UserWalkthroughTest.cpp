#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "app/HelpWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/TestProgram.h"

// Rough edges a household user met while walking through the program.
namespace {

TEST(UserWalkthroughTest, HomeStatusPageOpensWithTheCursorOnTheCheckedSituation) {
  for (int status : {1, 2, 3, 4, 5}) {
    TestProgram program;
    program.session.plan.HomeStatus = status;
    program.Open(PageId::HomeStatus);
    ASSERT_EQ(program.Current()->Id(), PageId::HomeStatus);
    QCoreApplication::processEvents();
    auto* focus = qobject_cast<QRadioButton*>(program.window->focusWidget());
    ASSERT_NE(focus, nullptr) << "status " << status;
    const char* const names[] = {"Rent", "Own", "RentThenBuy", "OwnThenBuyAnother", "OwnThenRent"};
    EXPECT_EQ(focus->objectName(), names[status - 1]);
    EXPECT_TRUE(focus->isChecked());

    // A stray space bar keeps the situation the plan already has.
    QTest::keyClick(program.window->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(program.session.plan.HomeStatus, status);
  }
}

TEST(UserWalkthroughTest, HelpWindowNamesTheTopicOnceAndClosesOnEscape) {
  RecordingDesktop desktop;
  HelpWindow help(desktop);
  help.ShowTopic(500);
  EXPECT_EQ(help.windowTitle(), "Help - Plan page");
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));

  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());

  help.ShowTopic(0);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), "Help - Contents");
}

}  // namespace
