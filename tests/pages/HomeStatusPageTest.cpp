#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/HomeSituation.h"
#include "support/DataPageFixture.h"

namespace {

class HomeStatusPage : public DataPageFixture {
 protected:
  void SetUp() override { Enter(); }

  // Comes from the assets page, as the user does, and lets the page paint (it fills then).
  void Enter() {
    program.Open(PageId::Assets);
    program.LeaveFor(PageId::HomeStatus);
    ASSERT_EQ(CurrentPage(), PageId::HomeStatus);
    QCoreApplication::processEvents();
    program.scripted.prompts.Clear();
  }
  // Clicks the situation's button, as the user does.
  void Choose(HomeSituation situation) {
    const char* const names[] = {"Rent", "Own", "RentThenBuy", "OwnThenBuyAnother", "OwnThenRent"};
    const QString button = names[StoredValue(situation) - 1];
    QTest::mouseClick(program.Current()->findChild<QRadioButton*>(button), Qt::LeftButton);
  }
  bool Shows(const char* edit) const { return program.Edit(edit)->isVisible(); }
  QString Label(int row) const {
    return program.Current()->findChild<QLabel*>(QString("FigureRow%1Label").arg(row))->text().section(" .", 0, 0);
  }
};

TEST_F(HomeStatusPage, FirstPaintFillsTheRowsOfTheCurrentSituation) {
  EXPECT_EQ(program.CaptionText(), "Assets - Home Status Page [ JohnSmith ]");
  ASSERT_EQ(plan.HomeStatus, 1);
  EXPECT_TRUE(program.Current()->findChild<QRadioButton*>("Rent")->isChecked());
  EXPECT_TRUE(Shows("FigureRow9"));
  for (const char* edit :
       {"FigureRow1", "FigureRow2", "FigureRow3", "FigureRow4", "FigureRow5", "FigureRow6", "FigureRow7", "FigureRow8"})
    EXPECT_FALSE(Shows(edit)) << edit;
  EXPECT_EQ(Label(9), "Annual Rent");
}

TEST_F(HomeStatusPage, OwnComputesTheMortgagePaymentAndClearsTheRest) {
  plan.MortgageRate = 6.0L;
  plan.NewHomePrice = 400000;
  plan.AnnualRent = 9000;
  Choose(HomeSituation::Own);
  EXPECT_EQ(Label(3), "Current Market Value of Home");
  EXPECT_EQ(Label(6), "Years Left to Pay on Mortgage");
  program.Type(&PlanRecord::HomeValue, "$300,000");
  program.Type(&PlanRecord::HomeTaxes, "$4,000");
  program.Type(&PlanRecord::MortgageBalance, "$200,000");
  program.Type(&PlanRecord::MortgageYears, "30");
  program.Run(Command::Return);
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(plan.HomeStatus, 2);
  EXPECT_EQ(plan.HomeValue, 300000);
  EXPECT_EQ(plan.MortgageYears, 30);
  EXPECT_EQ(plan.HomeMortgageOrRent, 14530);
  EXPECT_EQ(plan.HomeRealEstateTax, 4000);
  EXPECT_EQ(plan.YearsToMove, 1);
  EXPECT_EQ(plan.AnnualRent, 0);
  EXPECT_EQ(plan.NewHomePrice, 0);
  // The way back leaves the record of the page left last alone.
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assets);
}

TEST_F(HomeStatusPage, RentClearsEveryHomeFigure) {
  plan.HomeValue = 250000;
  plan.MortgageYears = 20;
  plan.YearsToMove = 7;
  plan.NewMortgage = 90000;
  program.Type(&PlanRecord::AnnualRent, "12,000");
  program.Run(Command::Return);
  EXPECT_EQ(plan.HomeMortgageOrRent, 12000);
  EXPECT_EQ(plan.HomeRealEstateTax, 0);
  EXPECT_EQ(plan.HomeValue, 0);
  EXPECT_EQ(plan.MortgageYears, 0);
  EXPECT_EQ(plan.NewMortgage, 0);
  EXPECT_EQ(plan.YearsToMove, 1);
}

TEST_F(HomeStatusPage, ZeroYearsBeforeAPurchaseBecomeOne) {
  Choose(HomeSituation::RentThenBuy);
  EXPECT_EQ(Label(3), "Number of Years before Home Purchase");
  program.Type(&PlanRecord::YearsToMove, "0");
  program.Type(&PlanRecord::NewHomePrice, "350000");
  program.Type(&PlanRecord::AnnualRent, "15000");
  program.Run(Command::Return);
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(plan.YearsToMove, 1);
  EXPECT_EQ(plan.NewHomePrice, 350000);
  EXPECT_EQ(plan.HomeMortgageOrRent, 15000);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(HomeStatusPage, InstructionsFollowTheSituation) {
  auto memo = [this] { return program.Current()->findChild<QPlainTextEdit*>("Instructions")->toPlainText(); };
  EXPECT_TRUE(memo().startsWith("INSTRUCTIONS\nThe \"rent\" item has been selected above."));
  EXPECT_FALSE(memo().contains("AUTOMATIC ADJUSTMENTS"));
  Choose(HomeSituation::RentThenBuy);
  EXPECT_TRUE(memo().startsWith("INSTRUCTION\nThe \"rent but expect to buy\" item has been selected above."));
  EXPECT_TRUE(
      memo().contains("If you try to enter zero for years till purchase the program will automatically "
                      "reset the years to one."));
  EXPECT_TRUE(
      memo().endsWith("FINISHED\nWhen you are finished with this page click RETURN on the menu above or "
                      "the [X] on the top right to go back to the previous page."));
}

TEST_F(HomeStatusPage, TextsFollowTheQuantityAcrossSituations) {
  Choose(HomeSituation::Own);
  program.Type(&PlanRecord::HomeValue, "$310,000");
  program.Type(&PlanRecord::MortgageYears, "22");
  Choose(HomeSituation::OwnThenBuyAnother);
  EXPECT_EQ(Text("FigureRow1"), "$310,000");
  EXPECT_EQ(Text("FigureRow4"), "22");
  EXPECT_EQ(Label(1), "Market Value of Home Current Dollars");
  program.Type(&PlanRecord::HomeValue, "$320,000");
  Choose(HomeSituation::Own);
  EXPECT_EQ(Text("FigureRow3"), "$320,000");

  Choose(HomeSituation::Rent);
  EXPECT_FALSE(Shows("FigureRow3"));
  Choose(HomeSituation::Own);
  EXPECT_EQ(Text("FigureRow3"), "$320,000");
  EXPECT_EQ(Text("FigureRow6"), "22");
}

TEST_F(HomeStatusPage, ZeroYearsLeftMakeTheWholeBalanceOneYearsPayment) {
  Choose(HomeSituation::OwnThenRent);
  EXPECT_FALSE(Shows("FigureRow5"));
  EXPECT_FALSE(Shows("FigureRow7"));
  EXPECT_EQ(Label(8), "Rent You Expect to Pay Current Dollars");
  plan.NewHomePrice = 123;
  program.Type(&PlanRecord::MortgageBalance, "40000");
  program.Type(&PlanRecord::MortgageYears, "0");
  program.Type(&PlanRecord::YearsToMove, "3");
  program.Type(&PlanRecord::AnnualRent, "10000");
  program.Run(Command::Return);
  EXPECT_EQ(plan.HomeMortgageOrRent, 40000);
  EXPECT_EQ(plan.YearsToMove, 3);
  EXPECT_EQ(plan.AnnualRent, 10000);
  EXPECT_EQ(plan.NewHomePrice, 123);
}

TEST_F(HomeStatusPage, WrongEntryKeepsThePageAndThePreviousResults) {
  plan.HomeMortgageOrRent = 777;
  Choose(HomeSituation::OwnThenBuyAnother);
  program.Type(&PlanRecord::HomeValue, "abc");
  program.Type(&PlanRecord::YearsToMove, "4");
  plan.AnnualRent = 5000;
  program.Run(Command::Return);
  EXPECT_EQ(program.Current()->Id(), PageId::HomeStatus);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(plan.HomeMortgageOrRent, 777);
  EXPECT_EQ(plan.YearsToMove, 4);
  EXPECT_EQ(plan.AnnualRent, 0);
}

TEST_F(HomeStatusPage, CloseBoxReturnsToTheAssetsPage) {
  program.Type(&PlanRecord::AnnualRent, "800");
  program.Current()->CloseRequested();
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(plan.AnnualRent, 800);
}

// In every situation Tab reaches the boxes top to bottom, as they are drawn
// ("Annual Rent" sits above the purchase figures when renting first).
TEST_F(HomeStatusPage, TabFollowsTheBoxesAsDrawn) {
  for (const HomeSituation situation : {HomeSituation::Rent, HomeSituation::Own, HomeSituation::RentThenBuy,
                                        HomeSituation::OwnThenBuyAnother, HomeSituation::OwnThenRent}) {
    Choose(situation);
    QList<QLineEdit*> reached;
    QWidget* const start = program.Edit("FigureRow1");
    QWidget* w = start;
    do {
      auto* edit = qobject_cast<QLineEdit*>(w);
      if (edit && edit->isVisible() && edit->objectName().startsWith("FigureRow")) reached << edit;
      w = w->nextInFocusChain();
    } while (w != start);
    for (qsizetype i = 1; i < reached.size(); ++i) {
      EXPECT_LT(reached[i - 1]->y(), reached[i]->y())
          << StoredValue(situation) << ": " << reached[i]->objectName().toStdString();
    }
  }
}

// A mortgage above the home's value is asked about once, as the personal
// page asks about likely mistyped ages; No keeps the user on the page.
TEST_F(HomeStatusPage, LikelyMistypesWarnOnce) {
  Choose(HomeSituation::Own);
  program.Type(&PlanRecord::HomeValue, "$90,000");
  program.Type(&PlanRecord::HomeTaxes, "$4,000");
  program.Type(&PlanRecord::MortgageBalance, "$900,000");
  program.scripted.prompts.answers = {PromptButton::No};
  program.Trigger("Return");
  ASSERT_EQ(CurrentPage(), PageId::HomeStatus);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Warning);
  EXPECT_TRUE(program.scripted.prompts.shown[0].text.contains("mortgage balance $900,000 is above the home's value"));
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Trigger("Return");
  ASSERT_EQ(CurrentPage(), PageId::Assets);
  Enter();
  program.Trigger("Return");
  EXPECT_EQ(CurrentPage(), PageId::Assets);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(HomeStatusPage, MenuHasReturnAndWindow) {
  QStringList top;
  for (QAction* action : program.Current()->MenuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"&Return", "&Window"}));
  program.Trigger("HelpTopics");
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{1000});
}

TEST_F(HomeStatusPage, AboutLeavesWithoutValidationAndComesBackUnchanged) {
  Choose(HomeSituation::Own);
  program.Type(&PlanRecord::HomeValue, "abc");
  program.Run(Command::About);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
  ASSERT_EQ(program.Current()->Id(), PageId::About);
  EXPECT_EQ(program.session.LastPageLeft, PageId::HomeStatus);
  EXPECT_EQ(plan.HomeStatus, 2);

  program.window->ShowPageAsLeft(program.session.LastPageLeft);
  QCoreApplication::processEvents();
  ASSERT_EQ(program.Current()->Id(), PageId::HomeStatus);
  EXPECT_TRUE(program.Current()->findChild<QRadioButton*>("Own")->isChecked());
  EXPECT_EQ(Text("FigureRow3"), "abc");
  EXPECT_EQ(Label(3), "Current Market Value of Home");
}

TEST_F(HomeStatusPage, EachVisitShowsThePlanFiguresUnderTheCheckedSituation) {
  Choose(HomeSituation::OwnThenBuyAnother);
  program.Type(&PlanRecord::HomeValue, "$1");
  program.Run(Command::Return);
  ASSERT_EQ(program.Current()->Id(), PageId::Assets);
  // A plan opened meanwhile with another situation and other figures.
  plan.HomeStatus = 2;
  plan.HomeValue = 280000;
  plan.MortgageYears = 12;
  Enter();
  EXPECT_TRUE(program.Current()->findChild<QRadioButton*>("Own")->isChecked());
  EXPECT_EQ(Text("FigureRow3"), "$280,000");
  EXPECT_EQ(Text("FigureRow6"), "12");
  EXPECT_FALSE(Shows("FigureRow1"));
  // Same situation again: the figures are refilled under the labels already shown.
  program.Run(Command::Return);
  plan.HomeValue = 290000;
  Enter();
  EXPECT_EQ(Text("FigureRow3"), "$290,000");
  EXPECT_EQ(Label(3), "Current Market Value of Home");
}

}  // namespace
