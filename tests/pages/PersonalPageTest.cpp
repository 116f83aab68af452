#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "support/DataPageFixture.h"

namespace {

class PersonPage : public DataPageFixture {
 protected:
  void SetUp() override { OpenPage(PageId::Personal); }

  QCheckBox* SecondPersonBox() const { return program.Current()->findChild<QCheckBox*>("SecondPerson"); }
  // Leaves for the income page, as the Setup menu does.
  void Leave() { program.LeaveFor(PageId::Income); }
};

TEST_F(PersonPage, FillShowsNamesAgesAndCaption) {
  EXPECT_EQ(Text("Name1"), "John Smith");
  EXPECT_EQ(Text("Age1"), "30");
  EXPECT_EQ(Text("Name2"), "Mary Smith");
  EXPECT_EQ(Text("Age2"), "28");
  EXPECT_TRUE(SecondPersonBox()->isChecked());
  EXPECT_EQ(program.CaptionText(), "Personal Data Page [ JohnSmith ]");
}

TEST_F(PersonPage, NoticeListsEveryChangedAgeAndEscapeKeepsTheTyping) {
  program.Type(&PlanRecord::Age1, "95");
  program.Type(&PlanRecord::EmploymentStartAge1, "25");
  program.Type(&PlanRecord::RetireAge1, "67");
  program.Type(&PlanRecord::SocialSecurityAge1, "55");
  program.Type(&PlanRecord::Age2, "95");                  // only the first person's age ends the forecast
  program.scripted.prompts.answers = {PromptButton::No};  // what Escape answers
  Leave();
  EXPECT_EQ(CurrentPage(), PageId::Personal);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Warning);
  const QString notice = Messages()[0];
  for (const char* change : {"current age 95 → 90", "employment start age 25 → 90", "retirement age 67 → 65",
                             "Social Security starting age 55 → 65"}) {
    EXPECT_TRUE(notice.contains(QString::fromUtf8(change))) << change << "\n" << notice.toStdString();
  }
  EXPECT_FALSE(notice.contains("Second person")) << notice.toStdString();
  EXPECT_EQ(Text(&PlanRecord::Age1), "95");
  EXPECT_EQ(Text(&PlanRecord::EmploymentStartAge1), "25");
  EXPECT_EQ(program.window->focusWidget(), program.Box(PlanField(&PlanRecord::Age1)));

  program.scripted.prompts.answers = {PromptButton::Yes};
  Leave();
  EXPECT_EQ(CurrentPage(), PageId::Income);
  EXPECT_EQ(plan.Age1, 90);
  EXPECT_EQ(plan.EmploymentStartAge1, 90);
  EXPECT_EQ(plan.RetireAge1, 65);
  EXPECT_EQ(plan.SocialSecurityAge1, 65);
  EXPECT_EQ(plan.Age2, 95);
}

TEST_F(PersonPage, EventAgesBeforeTheCurrentAgeAreMovedForwardOnceAccepted) {
  program.Type(&PlanRecord::Age1, "14");
  program.Type(&PlanRecord::RetireAge1, "10");           // retirement
  program.Type(&PlanRecord::EmploymentStartAge1, "12");  // employment start
  program.Type(&PlanRecord::PensionAge1, "0");           // pension
  program.Type(&PlanRecord::SocialSecurityAge1, "0");    // Social Security
  program.Type(&PlanRecord::Age2, "40");
  program.Type(&PlanRecord::RetireAge2, "39");
  program.Type(&PlanRecord::EmploymentStartAge2, "41");
  program.scripted.prompts.answers = {PromptButton::Yes};
  Leave();
  EXPECT_EQ(plan.Age1, 15);
  EXPECT_EQ(plan.RetireAge1, 65);
  EXPECT_EQ(plan.EmploymentStartAge1, 15);
  EXPECT_EQ(plan.PensionAge1, 0);
  EXPECT_EQ(plan.SocialSecurityAge1, 0);
  EXPECT_EQ(plan.RetireAge2, 65);
  EXPECT_EQ(plan.EmploymentStartAge2, 41);
}

TEST_F(PersonPage, LikelyMistypesWarnOnceAndDoNotRefuse) {
  program.Type(&PlanRecord::SocialSecurityAge2, "60");
  program.scripted.prompts.answers = {PromptButton::No};
  Leave();
  EXPECT_EQ(CurrentPage(), PageId::Personal);
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("Second person: Social Security starts at 60, outside the ages 62 to 70"))
      << Messages()[0].toStdString();

  program.scripted.prompts.answers = {PromptButton::Yes};
  Leave();
  EXPECT_EQ(CurrentPage(), PageId::Income);
  EXPECT_EQ(plan.SocialSecurityAge2, 60);

  // Left once with it, the same age is not questioned again.
  program.Open(PageId::Personal);
  program.scripted.prompts.Clear();
  Leave();
  EXPECT_EQ(CurrentPage(), PageId::Income);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PersonPage, EntryProblemsKeepTheUserOnThePageWithTheFirstMessage) {
  struct Case {
    const char* name1;
    const char* age1;
    const char* name2;
    const char* message;
  };
  const Case cases[] = {
      {"John", "12.5", "Mary", "Data entry error please correct."},
      {"John", "-5", "Mary", "Data entry error please correct."},
      {"", "abc", "Mary", "Data entry error please correct."},
      {"", "30", "", "Please enter Name #1."},
      {"John", "30", "", "Please enter Name #2 or uncheck Second person."},
      {"John", "", "Mary", "Age entry can not be blank"},
  };
  for (const Case& c : cases) {
    program.scripted.prompts.Clear();
    program.Type(&PlanRecord::Name1, c.name1);
    program.Type(&PlanRecord::Age1, c.age1);
    program.Type(&PlanRecord::Name2, c.name2);
    Leave();
    EXPECT_EQ(program.Current()->Id(), PageId::Personal) << c.age1;
    ASSERT_EQ(program.scripted.prompts.shown.size(), 1u) << c.age1;
    EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Error);
    EXPECT_EQ(MessageFirstLines()[0], c.message);
  }
}

TEST_F(PersonPage, FailedValidationStoresWhatParsedButAdjustsNothing) {
  program.Type(&PlanRecord::Age1, "10");
  program.Type(&PlanRecord::RetireAge1, "x");
  program.Type(&PlanRecord::Name1, "Jack");
  Leave();
  EXPECT_EQ(plan.Name1, "Jack");
  EXPECT_EQ(plan.Age1, 10);
  EXPECT_EQ(Text("RetireAge1"), "x");
}

TEST_F(PersonPage, SwitchingTheSecondPersonOffAndOnRestoresTheSixTexts) {
  program.Type(&PlanRecord::Name2, "Ann Lee");
  program.Type(&PlanRecord::Age2, "41");
  program.Type(&PlanRecord::PensionAge2, "62");
  SecondPersonBox()->click();
  for (const char* edit : {"Name2", "Age2", "RetireAge2", "SocialSecurityAge2", "PensionAge2", "EmploymentStartAge2"})
    EXPECT_EQ(Text(edit), "") << edit;
  SecondPersonBox()->click();
  EXPECT_EQ(Text("Name2"), "Ann Lee");
  EXPECT_EQ(Text("Age2"), "41");
  EXPECT_EQ(Text("PensionAge2"), "62");
}

TEST_F(PersonPage, OnePersonPlanClearsPersonTwoAndFilesSingle) {
  plan.EmploymentStartAge2 = 30;
  plan.PensionAge2 = 60;
  Refill();
  SecondPersonBox()->click();
  Leave();
  EXPECT_FALSE(plan.SecondPerson);
  EXPECT_EQ(plan.Name2, "");
  EXPECT_EQ(plan.Age2, 15);
  EXPECT_EQ(plan.FilingStatus, 1);
  EXPECT_EQ(plan.PensionAge2, 60);
  EXPECT_EQ(plan.EmploymentStartAge2, 30);

  program.Open(PageId::Personal);
  EXPECT_FALSE(SecondPersonBox()->isChecked());
  EXPECT_EQ(Text("Name2"), "");
  SecondPersonBox()->click();
  EXPECT_EQ(Text("Name2"), "Mary Smith");
  Leave();
  EXPECT_TRUE(plan.SecondPerson);
  EXPECT_EQ(plan.FilingStatus, 2);
}

TEST(PersonPageFresh, TypingASecondNameSwitchesTheSecondPersonOnAndKeepsTheTyping) {
  TestProgram program;
  program.session.plan.SecondPerson = false;
  program.Open(PageId::Personal);
  auto* box = program.Current()->findChild<QCheckBox*>("SecondPerson");
  ASSERT_FALSE(box->isChecked());
  QTest::keyClicks(program.Edit("Name2"), "Ann");
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(program.Edit("Name2")->text(), "Ann");
  // Nothing was kept yet on a plan loaded without a second person.
  EXPECT_EQ(program.Edit("Age2")->text(), "0");
  EXPECT_EQ(program.Edit("EmploymentStartAge2")->text(), "0");
}

TEST(PersonPageFresh, CheckingTheBoxOnAOnePersonPlanFillsTheSixBoxesWithZero) {
  TestProgram program;
  program.session.plan.SecondPerson = false;
  program.Open(PageId::Personal);
  auto* box = program.Current()->findChild<QCheckBox*>("SecondPerson");
  ASSERT_FALSE(box->isChecked());
  box->click();
  for (const char* edit : {"Name2", "Age2", "RetireAge2", "SocialSecurityAge2", "PensionAge2", "EmploymentStartAge2"})
    EXPECT_EQ(program.Edit(edit)->text(), "0") << edit;
  // "0" is a name, so the page may be left, with the second person on once
  // the raised current age is accepted.
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.LeaveFor(PageId::Income);
  EXPECT_TRUE(
      program.scripted.prompts.Texts().join("").contains(QString::fromUtf8("Second person: current age 0 \u2192 15")));
  EXPECT_EQ(program.Current()->Id(), PageId::Income);
  EXPECT_TRUE(program.session.plan.SecondPerson);
  EXPECT_EQ(program.session.plan.Name2, "0");
}

TEST_F(PersonPage, AboutDoesNotValidateAndReturnsToTheUnvalidatedTexts) {
  program.Type(&PlanRecord::Age1, "12.5");
  program.Run(Command::About);
  EXPECT_TRUE(Messages().isEmpty());
  if (program.Current()->Id() != PageId::About) GTEST_SKIP() << "no about box in this build";
  EXPECT_EQ(program.session.LastPageLeft, PageId::Personal);
  program.window->ShowPageAsLeft(program.session.LastPageLeft);
  EXPECT_EQ(Text("Age1"), "12.5");
}

TEST_F(PersonPage, CloseBoxValidatesThenShowsTheGraphPage) {
  program.Type(&PlanRecord::Age1, "abc");
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current()->Id(), PageId::Personal);
  program.Type(&PlanRecord::Age1, "44");
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Personal);
  EXPECT_EQ(plan.Age1, 44);
}

TEST_F(PersonPage, TabOrderFollowsTheRowsAndSkipsTheCheckBoxAndMemo) {
  QStringList order;
  QWidget* start = program.Edit("Name1");
  QWidget* widget = start;
  do {
    if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible()) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start);
  const QStringList expected{"Name1", "Age1", "EmploymentStartAge1", "RetireAge1", "PensionAge1", "SocialSecurityAge1",
                             "Name2", "Age2", "EmploymentStartAge2", "RetireAge2", "PensionAge2", "SocialSecurityAge2"};
  EXPECT_EQ(order.mid(0, expected.size()), expected);
}

TEST_F(PersonPage, MenuMarksThisPageAndHelpUsesItsTopic) {
  QAction* own = program.Current()->findChild<QAction*>("PersonalData");
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->isChecked());
  EXPECT_FALSE(own->isEnabled());
  program.Trigger("HelpTopics");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{800});
}

}  // namespace
