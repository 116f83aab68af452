#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "support/TestProgram.h"

namespace {

class AssetsPage : public ::testing::Test {
 protected:
  void SetUp() override {
    program.Open(kAssetsPage);
    ASSERT_EQ(program.Current()->PageNumber(), kAssetsPage);
    program.scripted.prompts.Clear();
  }

  // Fills the page again from the plan, as its next activation would.
  void Refill() { program.Current()->FormActivate(); }
  QString Text(const char* edit) const { return program.Edit(edit)->text(); }

  TestProgram program;
  PlanRecord& plan = program.session.plan;
};

TEST_F(AssetsPage, FillShowsBalancesEquityAndNetWorth) {
  plan.TaxableBalance = 50000;
  plan.TaxDeferredBalance = 120000;
  plan.CurrentDebt = 8000;
  plan.DebtYears = 4;
  plan.HomeStatus = 2;
  plan.HomeValue = 300000;
  plan.MortgageBalance = 200000;
  Refill();
  EXPECT_EQ(Text("Edit1"), "$50,000");
  EXPECT_EQ(Text("Edit6"), "4");
  EXPECT_EQ(Text("Edit7"), "$100,000");
  EXPECT_EQ(Text("Edit8"), "$262,000");
  EXPECT_EQ(program.window->windowTitle(), "Asset Page [ JohnSmith ]");
  EXPECT_TRUE(program.Edit("Edit8")->isReadOnly());
  EXPECT_EQ(program.Edit("Edit8")->focusPolicy(), Qt::NoFocus);
}

TEST_F(AssetsPage, RentedHomeHasNoEquity) {
  plan.HomeStatus = 3;
  plan.HomeValue = 300000;
  Refill();
  EXPECT_EQ(Text("Edit7"), "$0");
  EXPECT_EQ(Text("Edit8"), "$0");
}

TEST_F(AssetsPage, DebtPaymentIsOnlyEverRaised) {
  plan.MortgageRate = 6.0L;
  plan.DebtPayment = 3000;
  program.Type("Edit4", "$10,000");
  program.Type("Edit6", "5");
  program.Trigger("Update1");
  EXPECT_EQ(plan.DebtPayment, 3000);

  plan.DebtPayment = 0;
  program.Trigger("Update1");
  EXPECT_EQ(plan.DebtPayment, 2374);
  EXPECT_EQ(program.Current()->PageNumber(), kAssetsPage);
}

TEST_F(AssetsPage, ZeroYearsMakeTheWholeDebtOneYearsPayment) {
  plan.DebtPayment = 0;
  program.Type("Edit4", "7000");
  program.Type("Edit6", "0");
  program.Trigger("Income1");
  EXPECT_EQ(plan.DebtPayment, 7000);
  EXPECT_EQ(program.Current()->PageNumber(), kIncomePage);
  EXPECT_EQ(program.session.LastPageLeft, kAssetsPage);
}

TEST_F(AssetsPage, UpdateShowsANegativeNetWorthWithoutLeaving) {
  plan.HomeStatus = 1;
  program.Type("Edit1", "1000");
  program.Type("Edit2", "500");
  program.Type("Edit4", "4000");
  program.Trigger("Update1");
  EXPECT_EQ(plan.CurrentNetWorth, -2500);
  EXPECT_EQ(Text("Edit8"), "(-$2,500)");
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(AssetsPage, WrongEntryKeepsThePageAndTheOldPayment) {
  plan.DebtPayment = 0;
  program.Type("Edit4", "10000");
  program.Type("Edit6", "2.5");
  program.Trigger("Income1");
  EXPECT_EQ(program.Current()->PageNumber(), kAssetsPage);
  EXPECT_EQ(program.scripted.prompts.Texts(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(plan.CurrentDebt, 10000);
  EXPECT_EQ(plan.DebtPayment, 0);

  program.scripted.prompts.Clear();
  program.Current()->findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(program.Current()->PageNumber(), kAssetsPage);
  EXPECT_EQ(program.scripted.prompts.Texts(), QStringList{"Data entry error please correct."});
}

TEST_F(AssetsPage, HomeStatusButtonLeadsThereAndReturnShowsTheNewEquity) {
  program.Current()->findChild<QPushButton*>("Button1")->click();
  ASSERT_EQ(program.Current()->PageNumber(), kHomeStatusPage);
  EXPECT_EQ(program.session.LastPageLeft, kAssetsPage);
  QCoreApplication::processEvents();  // the page fills at its first paint
  program.Current()->findChild<QRadioButton*>("RadioButton2")->click();
  program.Type("Edit3", "250000");
  program.Type("Edit5", "100000");
  program.Trigger("Return1");
  ASSERT_EQ(program.Current()->PageNumber(), kAssetsPage);
  EXPECT_EQ(Text("Edit7"), "$150,000");
}

TEST_F(AssetsPage, MenuOrderAndOwnItem) {
  QStringList top;
  for (QAction* action : program.Current()->MenuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"&Update", "&Setup", "&Graph", "&Plan", "&Window"}));
  QAction* own = program.Current()->findChild<QAction*>("Assets1");
  EXPECT_TRUE(own->isChecked());
  EXPECT_FALSE(own->isEnabled());
}

TEST_F(AssetsPage, TabOrderRunsThroughTheEntriesToTheButtonAndSkipsTheTotals) {
  QStringList order;
  QWidget* start = program.Edit("Edit1");
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start);
  EXPECT_EQ(order, (QStringList{"Edit1", "Edit2", "Edit4", "Edit6", "Button1"}));
  EXPECT_TRUE(program.Edit("Edit7")->isReadOnly());
  EXPECT_EQ(program.Edit("Edit7")->palette().color(QPalette::Base), QColor(0, 255, 255));
}

}  // namespace
