#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "support/DataPageFixture.h"

namespace {

class AssetsPage : public DataPageFixture {
 protected:
  void SetUp() override { OpenPage(PageId::Assets); }
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
  EXPECT_EQ(Text("TaxableBalance"), "$50,000");
  EXPECT_EQ(Text("DebtYears"), "4");
  EXPECT_EQ(Text("CurrentHomeEquity"), "$100,000");
  EXPECT_EQ(Text("CurrentNetWorth"), "$262,000");
  EXPECT_EQ(program.CaptionText(), "Asset Page [ JohnSmith ]");
  EXPECT_TRUE(program.Edit("CurrentNetWorth")->isReadOnly());
  EXPECT_EQ(program.Edit("CurrentNetWorth")->focusPolicy(), Qt::NoFocus);
}

TEST_F(AssetsPage, RentedHomeHasNoEquity) {
  plan.HomeStatus = 3;
  plan.HomeValue = 300000;
  Refill();
  EXPECT_EQ(Text("CurrentHomeEquity"), "$0");
  EXPECT_EQ(Text("CurrentNetWorth"), "$0");
}

TEST_F(AssetsPage, DebtPaymentIsOnlyEverRaised) {
  plan.MortgageRate = 6.0L;
  plan.DebtPayment = 3000;
  program.Type(&PlanRecord::CurrentDebt, "$10,000");
  program.Type(&PlanRecord::DebtYears, "5");
  program.Run(Command::Update);
  EXPECT_EQ(plan.DebtPayment, 3000);

  plan.DebtPayment = 0;
  program.Run(Command::Update);
  EXPECT_EQ(plan.DebtPayment, 2374);
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
}

TEST_F(AssetsPage, ZeroYearsMakeTheWholeDebtOneYearsPayment) {
  plan.DebtPayment = 0;
  program.Type(&PlanRecord::CurrentDebt, "7000");
  program.Type(&PlanRecord::DebtYears, "0");
  program.LeaveFor(PageId::Income);
  EXPECT_EQ(plan.DebtPayment, 7000);
  EXPECT_EQ(program.Current()->Id(), PageId::Income);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assets);
}

TEST_F(AssetsPage, UpdateShowsANegativeNetWorthWithoutLeaving) {
  plan.HomeStatus = 1;
  program.Type(&PlanRecord::TaxableBalance, "1000");
  program.Type(&PlanRecord::TaxDeferredBalance, "500");
  program.Type(&PlanRecord::CurrentDebt, "4000");
  program.Run(Command::Update);
  EXPECT_EQ(plan.CurrentNetWorth, -2500);
  EXPECT_EQ(Text("CurrentNetWorth"), "(-$2,500)");
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

TEST_F(AssetsPage, WrongEntryKeepsThePageAndTheOldPayment) {
  plan.DebtPayment = 0;
  program.Type(&PlanRecord::CurrentDebt, "10000");
  program.Type(&PlanRecord::DebtYears, "2.5");
  program.LeaveFor(PageId::Income);
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Data entry error please correct."});
  EXPECT_EQ(plan.CurrentDebt, 10000);
  EXPECT_EQ(plan.DebtPayment, 0);

  program.scripted.prompts.Clear();
  program.LeaveFor(PageId::HomeStatus);
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Data entry error please correct."});
}

TEST_F(AssetsPage, HomeStatusButtonLeadsThereAndReturnShowsTheNewEquity) {
  program.LeaveFor(PageId::HomeStatus);
  ASSERT_EQ(program.Current()->Id(), PageId::HomeStatus);
  EXPECT_EQ(program.session.LastPageLeft, PageId::Assets);
  QCoreApplication::processEvents();  // the page fills at its first paint
  program.Current()->findChild<QRadioButton*>("Own")->click();
  program.Type(&PlanRecord::HomeValue, "250000");
  program.Type(&PlanRecord::MortgageBalance, "100000");
  program.Run(Command::Return);
  ASSERT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(Text("CurrentHomeEquity"), "$150,000");
}

TEST_F(AssetsPage, MenuOrderAndOwnItem) {
  QStringList top;
  for (QAction* action : program.Current()->MenuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"&Update", "&Setup", "&Graph", "&Plan", "&Window"}));
  QAction* own = program.Current()->findChild<QAction*>("Assets");
  EXPECT_TRUE(own->isChecked());
  EXPECT_FALSE(own->isEnabled());
}

TEST_F(AssetsPage, TabOrderRunsThroughTheEntriesToTheButtonAndSkipsTheTotals) {
  QStringList order;
  QWidget* start = program.Edit("TaxableBalance");
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != start);
  EXPECT_EQ(order, (QStringList{"TaxableBalance", "TaxDeferredBalance", "RothBalance", "RothBasis", "CurrentDebt",
                                "DebtYears", "HomeStatusButton"}));
  EXPECT_TRUE(program.Edit("CurrentHomeEquity")->isReadOnly());
  EXPECT_EQ(program.Edit("CurrentHomeEquity")->palette().color(QPalette::Base), QColor(0, 255, 255));
}

}  // namespace
