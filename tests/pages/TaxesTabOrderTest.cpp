#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "support/TestProgram.h"

// The filing status is chosen from the keyboard: Tab reaches the status group
// right after the four tax boxes, and the arrow keys move between statuses.
namespace {

class TaxesTabOrderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.session.plan.SecondPerson = true;
    program.session.plan.FilingStatus = 3;
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    program.Open(PageId::Taxes);
    ASSERT_EQ(program.Current()->Id(), PageId::Taxes);
    program.Current()->grab();
  }

  static QWidget* Focus() { return QApplication::focusWidget(); }
  static QString FocusName() { return Focus() ? Focus()->objectName() : QString(); }
  QRadioButton* Status(int n) const {
    const char* const names[] = {"OneSingle", "Jointly", "TwoSingles", "Separately"};
    return program.Current()->findChild<QRadioButton*>(names[n - 1]);
  }

  // Names of the controls Tab visits from Edit1, `count` presses.
  QStringList TabFrom(const QString& start, int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    program.Edit(start)->setFocus(Qt::TabFocusReason);
    QStringList names{FocusName()};
    for (int i = 0; i < count && Focus(); ++i) {
      QTest::keyClick(Focus(), Qt::Key_Tab, modifiers);
      names << FocusName();
    }
    return names;
  }

  TestProgram program;
};

TEST_F(TaxesTabOrderTest, TabReachesTheChosenStatusAfterTheFourTaxBoxes) {
  // Then the tax rules of future years and the law's estimate.
  EXPECT_EQ(TabFrom("FederalTax1", 7), QStringList({"FederalTax1", "StateTax1", "FederalTax2", "StateTax2", "TwoSingles",
                                                    "TaxRulesLaw", "UseLawEstimate", "FederalTax1"}));
  QTest::keyClick(Focus(), Qt::Key_Tab, Qt::ShiftModifier);
  QTest::keyClick(Focus(), Qt::Key_Tab, Qt::ShiftModifier);
  QTest::keyClick(Focus(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "TwoSingles");
  QTest::keyClick(Focus(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "StateTax2");

  // Filing jointly hides person 2's income taxes; the status still follows.
  QTest::mouseClick(Status(2), Qt::LeftButton);
  EXPECT_EQ(TabFrom("FederalTax1", 2), QStringList({"FederalTax1", "StateTax1", "Jointly"}));
}

TEST_F(TaxesTabOrderTest, ArrowKeysMoveBetweenTheStatuses) {
  TabFrom("FederalTax1", 4);
  ASSERT_EQ(Focus(), Status(3));
  QTest::keyClick(Focus(), Qt::Key_Down);
  EXPECT_EQ(Focus(), Status(4));
  EXPECT_TRUE(Status(4)->isChecked());
  EXPECT_EQ(program.session.plan.FilingStatus, 4);
  QTest::keyClick(Focus(), Qt::Key_Up);
  EXPECT_EQ(Focus(), Status(3));
  EXPECT_EQ(program.session.plan.FilingStatus, 3);
}

}  // namespace
