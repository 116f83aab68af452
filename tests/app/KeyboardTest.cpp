#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <set>

#include "support/TestProgram.h"

// The program driven from the keyboard alone: menu accelerators, Tab through
// a page's boxes, Enter and Escape in a box, F1.
namespace {

const PageId kDataPages[] = {PageId::Personal, PageId::ExpenseSummary, PageId::Income, PageId::Assets, PageId::Taxes,
                             PageId::Assumptions, PageId::HomeExpenses, PageId::AutoExpenses, PageId::MedicalExpenses,
                             PageId::CommunicationExpenses, PageId::EntertainmentExpenses, PageId::FoodExpenses,
                             PageId::Education, PageId::SpecialEvents, PageId::HomeStatus};
const PageId kAllPages[] = {PageId::Graph, PageId::PlanTable, PageId::Personal, PageId::ExpenseSummary, PageId::Income,
                            PageId::Assets, PageId::Taxes, PageId::Assumptions, PageId::HomeExpenses,
                            PageId::AutoExpenses, PageId::MedicalExpenses, PageId::CommunicationExpenses,
                            PageId::EntertainmentExpenses, PageId::FoodExpenses, PageId::Education,
                            PageId::SpecialEvents, PageId::HomeStatus, PageId::About,
                            PageId::Comparison};

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  }

  QWidget* Focus() const { return QApplication::focusWidget(); }

  void Visit(PageId number) {
    if (program.Current()->Id() == PageId::About) program.Trigger("Return");
    program.Open(number);
    ASSERT_EQ(program.Current()->Id(), number);
  }

  // The boxes in the tab order, top to bottom, left to right.
  std::vector<QLineEdit*> BoxesOnScreen() const {
    Page* page = program.Current();
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : page->findChildren<QLineEdit*>())
      if (box->isVisibleTo(page) && !box->isReadOnly() && (box->focusPolicy() & Qt::TabFocus)) boxes.push_back(box);
    const auto place = [page](QWidget* w) { return w->mapTo(page, QPoint(0, 0)); };
    std::stable_sort(boxes.begin(), boxes.end(), [&](QLineEdit* a, QLineEdit* b) {
      return place(a).y() != place(b).y() ? place(a).y() < place(b).y() : place(a).x() < place(b).x();
    });
    return boxes;
  }

  // The boxes Tab reaches from the first box, once round.
  std::vector<QLineEdit*> TabChain(QLineEdit* first) {
    std::vector<QLineEdit*> chain;
    first->setFocus(Qt::TabFocusReason);
    QWidget* current = Focus();
    for (int i = 0; i < 80 && current; ++i) {
      if (auto* box = qobject_cast<QLineEdit*>(current)) {
        if (!chain.empty() && box == chain.front()) break;
        chain.push_back(box);
      }
      QTest::keyClick(current, Qt::Key_Tab);
      current = Focus();
    }
    return chain;
  }

  static std::string Names(const std::vector<QLineEdit*>& boxes) {
    QStringList names;
    for (QLineEdit* box : boxes) names << box->objectName();
    return names.join(' ').toStdString();
  }

  TestProgram program;
};

TEST_F(KeyboardTest, AltAndTheUnderlinedLetterOpensEachMenuOfEveryPage) {
  for (PageId number : kAllPages) {
    Visit(number);
    for (QAction* item : program.Current()->MenuBar()->actions()) {
      QMenu* menu = item->menu();
      if (!menu) continue;
      const qsizetype amp = item->text().indexOf('&');
      ASSERT_GE(amp, 0) << item->text().toStdString();
      const QChar letter = item->text().at(amp + 1).toUpper();
      QTest::keyClick(program.window.get(), Qt::Key(letter.unicode()), Qt::AltModifier);
      EXPECT_EQ(QApplication::activePopupWidget(), menu)
          << "page " << number << " menu " << item->text().toStdString();
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
  }
}

TEST_F(KeyboardTest, ADataPageOpensWithTheCursorInItsFirstEntry) {
  for (PageId number : kDataPages) {
    Visit(number);
    QWidget* focus = Focus();
    ASSERT_NE(focus, nullptr) << "page " << number;
    EXPECT_TRUE(program.Current()->isAncestorOf(focus)) << "page " << number;
    EXPECT_TRUE(focus->focusPolicy() & Qt::TabFocus) << "page " << number;
  }
  Visit(PageId::Personal);
  EXPECT_EQ(Focus()->objectName(), "Name1");
}

TEST_F(KeyboardTest, TabVisitsEveryBoxOfADataPageInOrder) {
  for (PageId number : kDataPages) {
    Visit(number);
    if (number == PageId::HomeStatus) program.Current()->findChild<QAbstractButton*>("OwnThenBuyAnother")->click();
    const std::vector<QLineEdit*> boxes = BoxesOnScreen();
    if (boxes.empty()) continue;
    std::vector<QLineEdit*> expected = boxes;
    // The rent row sits between the first two rows but comes last.
    if (number == PageId::HomeStatus) std::ranges::rotate(expected, expected.begin() + 1);
    EXPECT_EQ(Names(TabChain(expected.front())), Names(expected)) << "page " << number;
  }
}

// Enter hands the cursor on as Tab does; Escape goes back to the page the user
// came from, checking the entries as leaving does.
TEST_F(KeyboardTest, EnterMovesToTheNextBoxAndEscapeGoesBackAfterTheCheck) {
  const std::set<PageId> summaryPages = {
      PageId::HomeExpenses,          PageId::AutoExpenses, PageId::MedicalExpenses, PageId::CommunicationExpenses,
      PageId::EntertainmentExpenses, PageId::FoodExpenses, PageId::Education,       PageId::SpecialEvents};
  for (PageId number : kDataPages) {
    program.window->SwitchPageValidated(program.Current()->Id(), PageId::PlanTable);
    Visit(number);
    program.Current()->repaint();  // pages that fill when first painted
    const PageId back = summaryPages.count(number)     ? PageId::ExpenseSummary
                        : number == PageId::HomeStatus ? PageId::Assets
                                                       : PageId::PlanTable;
    const PlanRecord before = program.session.plan;
    const std::vector<QLineEdit*> boxes = BoxesOnScreen();
    if (boxes.size() >= 2) {
      const std::vector<QLineEdit*> chain = TabChain(boxes.front());
      chain[0]->setFocus();
      QTest::keyClick(chain[0], Qt::Key_Return);
      EXPECT_EQ(Focus(), chain[1]) << "page " << number;
      boxes.back()->setText("12x");
      QTest::keyClick(boxes.back(), Qt::Key_Escape);
      EXPECT_EQ(program.Current()->Id(), number);
      EXPECT_FALSE(program.scripted.prompts.shown.empty()) << "page " << number;
      program.scripted.prompts.Clear();
      program.Current()->Activate();
    }
    EXPECT_TRUE(program.session.plan == before) << "page " << number;
    QTest::keyClick(Focus() ? Focus() : program.window.get(), Qt::Key_Escape);
    EXPECT_EQ(program.Current()->Id(), back) << "page " << number;
    EXPECT_TRUE(program.scripted.prompts.shown.empty()) << "page " << number;
  }
  for (PageId number : {PageId::Graph, PageId::PlanTable, PageId::About}) {
    Visit(number);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) QTest::keyClick(program.window.get(), key);
    EXPECT_EQ(program.Current()->Id(), number);
    EXPECT_FALSE(program.session.Exiting);
  }
}

TEST_F(KeyboardTest, F1OpensThePagesHelpTopic) {
  for (PageId number : kAllPages) {
    Visit(number);
    program.scripted.desktop.helpTopics.clear();
    QTest::keyClick(program.window.get(), Qt::Key_F1);
    EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{program.Current()->F1HelpContext()})
        << "page " << number;
  }
}

}  // namespace
