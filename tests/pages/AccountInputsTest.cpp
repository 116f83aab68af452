#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "pages/DataPage.h"
#include "support/DataPageFixture.h"

// The Roth and withdrawal inputs on the assets, income and assumptions pages.
namespace {

class AccountInputs : public DataPageFixture {
 protected:
  QComboBox* Choice(const PlanField& field) const {
    return static_cast<DataPage*>(program.Current())->ChoiceFor(field);
  }
  // Leaves for the graph and comes back, so the page shows the plan again.
  void Revisit(PageId page) {
    program.LeaveFor(PageId::Graph);
    OpenPage(page);
  }
};

// Each box: a visit stores and marks nothing; typed, its field takes the amount and the plan is changed.
TEST_F(AccountInputs, EachNewBoxStoresWhatIsTypedAndOnlyThat) {
  struct Case {
    PageId page;
    std::int64_t PlanRecord::*money;
    std::int32_t PlanRecord::*age;
  };
  const Case cases[] = {{PageId::Assets, &PlanRecord::RothBalance, nullptr},
                        {PageId::Assets, &PlanRecord::RothBasis, nullptr},
                        {PageId::Income, &PlanRecord::RothContribution1, nullptr},
                        {PageId::Income, &PlanRecord::RothContribution2, nullptr},
                        {PageId::Assumptions, &PlanRecord::ConvertAmount, nullptr},
                        {PageId::Assumptions, nullptr, &PlanRecord::FillFromAge},
                        {PageId::Assumptions, nullptr, &PlanRecord::FillToAge}};
  // Working years set, so the income page leads nowhere else.
  plan.EmploymentStartAge1 = plan.EmploymentStartAge2 = 30;
  plan.RetireAge1 = plan.RetireAge2 = 65;
  for (const Case& c : cases) {
    program.session.saved.Remember(plan);
    OpenPage(c.page);
    program.LeaveFor(PageId::Graph);
    EXPECT_FALSE(program.session.IsModified()) << static_cast<int>(c.page);
    OpenPage(c.page);
    if (c.money) {
      program.Type(c.money, "$12,345");
    } else {
      program.Type(c.age, "70");
    }
    program.LeaveFor(PageId::Graph);
    if (c.money) {
      EXPECT_EQ(plan.*c.money, 12345);
    } else {
      EXPECT_EQ(plan.*c.age, 70);
    }
    EXPECT_TRUE(program.session.IsModified()) << static_cast<int>(c.page);
  }
}

TEST_F(AccountInputs, TheSecondPersonsRothContributionHidesWithThePerson) {
  plan.SecondPerson = false;
  OpenPage(PageId::Income);
  EXPECT_FALSE(program.Box(&PlanRecord::RothContribution2)->isVisible());
  EXPECT_TRUE(program.Box(&PlanRecord::RothContribution1)->isVisible());
}

// Every option of every choice comes back as chosen; a visit keeps a value no option stands for.
TEST_F(AccountInputs, WithdrawalChoicesRoundTripThroughThePage) {
  plan.WithdrawalOrder = "deferred, ROTH, taxable";
  plan.FillInto = "somewhere";
  program.session.saved.Remember(plan);
  OpenPage(PageId::Assumptions);
  EXPECT_EQ(Choice(&PlanRecord::WithdrawalOrder)->currentIndex(), 3);
  EXPECT_EQ(Choice(&PlanRecord::FillInto)->currentIndex(), -1);
  Revisit(PageId::Assumptions);
  EXPECT_EQ(plan.FillInto, "somewhere");
  EXPECT_FALSE(program.session.IsModified());

  const PlanField fields[] = {&PlanRecord::WithdrawalOrder, &PlanRecord::FillBracket, &PlanRecord::FillInto};
  for (const PlanField& field : fields) {
    for (int i = Choice(field)->count() - 1; i >= 0; --i) {
      Choice(field)->setCurrentIndex(i);
      Revisit(PageId::Assumptions);
      EXPECT_EQ(Choice(field)->currentIndex(), i) << Choice(field)->objectName().toStdString();
    }
  }
  EXPECT_EQ(plan.WithdrawalOrder, "taxable,deferred,roth");
  EXPECT_EQ(plan.FillBracket, 0);
  program.LeaveFor(PageId::Graph);
  plan.FillBracket = 22;
  OpenPage(PageId::Assumptions);
  EXPECT_EQ(Choice(&PlanRecord::FillBracket)->currentText(), "22 %");
}

TEST_F(AccountInputs, LikelyMistypedAgesWarnOnceAndNoKeepsThePage) {
  OpenPage(PageId::Assumptions);
  program.Type(&PlanRecord::FillFromAge, "72");
  program.Type(&PlanRecord::FillToAge, "62");
  program.scripted.prompts.answers = {PromptButton::No};
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Assumptions);
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("ends at age 62, before it starts at age 72")) << Messages()[0].toStdString();
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(CurrentPage(), PageId::Graph);
  OpenPage(PageId::Assumptions);
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(CurrentPage(), PageId::Graph);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(AccountInputs, TabRunsThroughTheWithdrawalsAsDrawn) {
  program.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  OpenPage(PageId::Assumptions);
  program.Current()->grab();
  program.Edit("RetirementReduction")->setFocus(Qt::TabFocusReason);
  QStringList names;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    names << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(names, QStringList({"PastInflationRecorded", "WithdrawalOrder", "FillBracket", "FillInto", "ConvertAmount",
                                "FillFromAge", "FillToAge"}));
  // The keyboard chooses too.
  QTest::keyClick(Choice(&PlanRecord::FillInto), Qt::Key_Down);
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(plan.FillInto, "roth");
}

}  // namespace
