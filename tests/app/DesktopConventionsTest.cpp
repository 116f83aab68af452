#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "model/PlanFile.h"
#include "support/TestProgram.h"
#include "views/YearGrid.h"

// The program as a desktop user drives it: standard keys, keys for the
// controls Tab skips, the unsaved-change rule, recent plans, data errors that
// say where, and names a screen reader can read.
namespace {

class DesktopConventionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    ASSERT_TRUE(folder.isValid());
  }

  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : program.window.get();
    QTest::keyClick(target, Qt::Key(key), modifiers);
  }

  QString InFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }

  // A plan file in the temporary folder, as another session saved it.
  QString SavedPlan(const QString& name, const std::string& person) {
    PlanRecord plan = program.session.plan;
    plan.Name1 = person;
    EXPECT_TRUE(WritePlanFile(plan, InFolder(name).toStdString()).ok);
    return InFolder(name);
  }

  void OpenByKeys(const QString& path) {
    program.scripted.prompts.fileAnswers = {path};
    Press(Qt::Key_O);
    ASSERT_EQ(program.session.plan.PlanFileName, QFileInfo(path).fileName().toStdString());
  }

  // Changes the first person's name and comes back.
  void TypeName(const QString& text) {
    program.Open(PageId::Personal);
    program.Type(&PlanRecord::Name1, text);
    program.LeaveFor(PageId::Graph);
    ASSERT_EQ(program.Current()->Id(), PageId::Graph);
  }

  bool Marked() const { return program.window->isWindowModified(); }
  std::size_t Questions() const { return program.scripted.prompts.shown.size(); }

  QTemporaryDir folder;
  TestProgram program;
};

TEST_F(DesktopConventionsTest, MenusShowTheStandardKeysOfTheFileCommands) {
  for (PageId id : {PageId::Graph, PageId::PlanTable}) {
    program.Open(id);
    const auto key = [&](const char* item) { return program.Current()->findChild<QAction*>(item)->shortcut(); };
    EXPECT_EQ(key("New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(key("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(key("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(key("SaveAs"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(key(id == PageId::Graph ? "PrintGraph" : "PrintPlan"), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(key("Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
  }
  EXPECT_EQ(program.Current()->findChild<QAction*>("CopySelection")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
}

TEST_F(DesktopConventionsTest, EachStandardKeyRunsItsCommandOnceWhicheverResultPageIsShown) {
  for (PageId id : {PageId::Graph, PageId::PlanTable}) {
    program.Open(id);
    program.scripted.prompts.Clear();
    program.scripted.prompts.printerDialogs = 0;

    Press(Qt::Key_O);  // cancelled dialog
    Press(Qt::Key_S);  // the sample plan has no name of its own: the dialog
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_P);
    auto& dialogs = program.scripted.prompts.dialogs;
    ASSERT_EQ(dialogs.size(), 3u) << "page " << id << ": one page's commands only";
    EXPECT_EQ(dialogs[0].title, "Open Plan File");
    EXPECT_EQ(dialogs[1].title, "Save Plan File");
    EXPECT_EQ(dialogs[2].title, "Save Plan File");
    EXPECT_EQ(program.scripted.prompts.printerDialogs, 1);

    program.session.plan.Salary1 += 1;
    program.scripted.prompts.answers = {PromptButton::Cancel, PromptButton::Cancel};
    Press(Qt::Key_N);
    Press(Qt::Key_Q);
    EXPECT_EQ(program.scripted.prompts.FirstLines().count("Do you first want to RENAME [JohnSmith.plan] and save it "
                                                          "as a new file?"),
              2);
    EXPECT_FALSE(program.session.Exiting);
    program.session.plan.Salary1 -= 1;
  }
  Press(Qt::Key_Q);
  EXPECT_TRUE(program.session.Exiting) << "nothing to lose: Ctrl+Q exits without a question";
}

TEST_F(DesktopConventionsTest, ThePlanGridHasTheKeyboardAndCtrlCCopiesTheSelection) {
  program.Open(PageId::PlanTable);
  auto* grid = qobject_cast<YearGrid*>(QApplication::focusWidget());
  ASSERT_NE(grid, nullptr);
  Press(Qt::Key_Down, Qt::ShiftModifier);
  Press(Qt::Key_Right, Qt::ShiftModifier);
  const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
  ASSERT_EQ(ranges.size(), 1);
  const QTableWidgetSelectionRange range = ranges.first();
  EXPECT_EQ(range.rowCount(), 2);
  EXPECT_EQ(range.columnCount(), 2);
  Press(Qt::Key_C);
  EXPECT_EQ(program.scripted.desktop.clipboard,
            grid->Text(range.topRow() + 1, range.leftColumn(), range.bottomRow() + 1, range.rightColumn()));
}

TEST_F(DesktopConventionsTest, ControlsTheTabKeySkipsHaveKeysNamedInTheirTooltips) {
  program.Open(PageId::Personal);
  auto* second = program.Current()->findChild<QCheckBox*>("SecondPerson");
  const bool before = second->isChecked();
  Press(Qt::Key_C, Qt::AltModifier);
  EXPECT_NE(second->isChecked(), before);
  EXPECT_TRUE(second->toolTip().contains("Alt+C"));
  Press(Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(second->isChecked(), before);

  program.Open(PageId::ExpenseSummary);
  Press(Qt::Key_D, Qt::AltModifier);
  Press(Qt::Key_T, Qt::AltModifier);
  const QStringList shown = program.scripted.prompts.Texts();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_TRUE(shown[0].startsWith("The debt expense"));
  EXPECT_TRUE(shown[1].startsWith("The FICA and income tax"));

  program.LeaveFor(PageId::Graph);
  program.Open(PageId::SpecialEvents);
  const struct {
    Qt::Key key;
    const char* box;
  } titles[] = {
      {Qt::Key_1, "EventTitle1"}, {Qt::Key_5, "EventTitle5"}, {Qt::Key_6, "OtherTitle1"}, {Qt::Key_0, "OtherTitle5"}};
  for (const auto& title : titles) {
    Press(title.key, Qt::AltModifier);
    QLineEdit* box = program.Edit(title.box);
    EXPECT_EQ(QApplication::focusWidget(), box) << title.box;
    EXPECT_EQ(box->selectedText(), box->text()) << title.box;
    EXPECT_TRUE(box->toolTip().contains(QKeySequence(Qt::ALT | title.key).toString(QKeySequence::NativeText)));
  }
}

TEST_F(DesktopConventionsTest, TheSaveQuestionAndTheCaptionMarkerFollowWhatWouldBeLost) {
  const QString path = SavedPlan("Ours.plan", "Ann");
  OpenByKeys(path);
  EXPECT_FALSE(Marked());
  EXPECT_TRUE(program.window->windowTitle().contains("[*]"));

  // Change and change back: nothing to lose.
  TypeName("Bea");
  EXPECT_TRUE(Marked());
  TypeName("Ann");
  EXPECT_FALSE(Marked());
  program.scripted.prompts.Clear();
  program.scripted.prompts.fileAnswers = {std::nullopt};
  Press(Qt::Key_O);
  EXPECT_EQ(Questions(), 0u);

  // A change: the question.
  TypeName("Cy");
  program.scripted.prompts.answers = {PromptButton::Cancel};
  Press(Qt::Key_N);
  EXPECT_EQ(program.scripted.prompts.FirstLines(), QStringList{"Do you first want to save [Ours.plan]?"});

  // Ctrl+S writes in place without a dialog; then Exit asks nothing.
  program.scripted.prompts.Clear();
  Press(Qt::Key_S);
  EXPECT_TRUE(program.scripted.prompts.dialogs.empty());
  EXPECT_FALSE(Marked());
  PlanRecord reread;
  ASSERT_TRUE(ReadPlanFile(reread, path.toStdString()).ok);
  EXPECT_EQ(reread.Name1, "Cy");
  Press(Qt::Key_Q);
  EXPECT_EQ(Questions(), 0u);
  EXPECT_TRUE(program.session.Exiting);
}

// A new plan goes by "Untitled" until it has a file, and its empty graph
// says where to start; Save As and Open put the file's name in the caption.
TEST_F(DesktopConventionsTest, ANewPlanIsUntitledWithAStartHintUntilItHasAFile) {
  const auto startHint = [this] { return program.PageAt(PageId::Graph)->findChild<QWidget*>("StartHint"); };
  Press(Qt::Key_N);
  EXPECT_EQ(program.CaptionText(), "Graph Page [ Untitled ]");
  EXPECT_TRUE(program.window->windowTitle().endsWith("[*]"));
  EXPECT_TRUE(startHint()->isVisibleTo(program.window.get()));
  EXPECT_TRUE(qobject_cast<QLabel*>(startHint())->text().contains("Start with Setup > Personal Data"));
  program.Open(PageId::Personal);
  EXPECT_EQ(program.CaptionText(), "Personal Data Page [ Untitled ]");
  program.LeaveFor(PageId::Graph);

  program.scripted.prompts.fileAnswers = {InFolder("Budget.plan")};
  Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(program.CaptionText(), "Graph Page [ Budget ]");
  OpenByKeys(PREVORA_TEST_DATA "/../../resources/Double.plan");
  EXPECT_EQ(program.CaptionText(), "Graph Page [ Double ]");
  EXPECT_FALSE(startHint()->isVisibleTo(program.window.get()));
}

TEST_F(DesktopConventionsTest, CtrlSOnADataPageChecksTheEntriesThenSavesThePlan) {
  const QString path = SavedPlan("Ours.plan", "Ann");
  OpenByKeys(path);
  program.scripted.prompts.Clear();
  program.Open(PageId::Assets);
  program.Type(&PlanRecord::TaxableBalance, "x");
  Press(Qt::Key_S);
  EXPECT_EQ(program.scripted.prompts.shown.size(), 1u) << "the data error, and no save";
  EXPECT_TRUE(program.scripted.prompts.dialogs.empty());
  program.scripted.prompts.Clear();
  program.Type(&PlanRecord::TaxableBalance, "51,000");
  Press(Qt::Key_S);
  EXPECT_TRUE(program.scripted.prompts.shown.empty()) << program.scripted.prompts.Texts().join('|').toStdString();
  EXPECT_EQ(program.Current()->Id(), PageId::Assets);
  PlanRecord reread;
  ASSERT_TRUE(ReadPlanFile(reread, path.toStdString()).ok);
  EXPECT_EQ(reread.TaxableBalance, 51'000);
  EXPECT_FALSE(Marked());
  program.LeaveFor(PageId::Graph);
  EXPECT_FALSE(Marked()) << "the forecast on the way back changes nothing the file lacks";
}

// The save question's Yes writes the plan before the command goes on; when
// the command then stops, the caption and the marker still show the save.
TEST_F(DesktopConventionsTest, ASaveInsideTheQuestionShowsWhateverTheCommandThenDoes) {
  const QString gone = SavedPlan("Gone.plan", "Ann");
  OpenByKeys(gone);
  const QString path = SavedPlan("Ours.plan", "Ann");
  OpenByKeys(path);

  // Open, its dialog cancelled.
  TypeName("Bea");
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.scripted.prompts.fileAnswers = {std::nullopt};
  Press(Qt::Key_O);
  EXPECT_FALSE(Marked());

  // Open Recent, the plan gone since the menu showed it.
  TypeName("Cy");
  auto* recent = program.Current()->findChild<QMenu*>("OpenRecent");
  emit recent->aboutToShow();
  ASSERT_TRUE(QFile::remove(gone));
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.Trigger("RecentPlan2");
  EXPECT_FALSE(Marked());
  PlanRecord reread;
  ASSERT_TRUE(ReadPlanFile(reread, path.toStdString()).ok);
  EXPECT_EQ(reread.Name1, "Cy");

  // The sample plan is renamed by the save; the caption takes the new name.
  Press(Qt::Key_N);
  TypeName("Di");
  program.scripted.prompts.answers = {PromptButton::Yes};
  program.scripted.prompts.fileAnswers = {InFolder("Renamed.plan"), std::nullopt};
  Press(Qt::Key_O);
  EXPECT_FALSE(Marked());
  EXPECT_EQ(program.CaptionText(), "Graph Page [ Renamed ]");
}

TEST_F(DesktopConventionsTest, RecentPlansListsWhatWasOpenedAndDisablesWhatIsGone) {
  const QString first = SavedPlan("First.plan", "Ann");
  const QString second = SavedPlan("Second.plan", "Bea");
  OpenByKeys(first);
  OpenByKeys(second);
  EXPECT_EQ(program.scripted.prompts.dialogs.back().initialFolder, folder.path() + "/")
      << "Open starts in the current plan's folder";
  QFile::remove(first);

  auto* recent = program.Current()->findChild<QMenu*>("OpenRecent");
  ASSERT_NE(recent, nullptr);
  emit recent->aboutToShow();
  const QList<QAction*> items = recent->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_TRUE(items[0]->text().contains("Second.plan"));
  EXPECT_TRUE(items[0]->isEnabled());
  EXPECT_TRUE(items[1]->text().contains("First.plan"));
  EXPECT_TRUE(items[1]->text().contains("not found"));
  EXPECT_FALSE(items[1]->isEnabled());

  OpenByKeys(SavedPlan("First.plan", "Cy"));
  emit recent->aboutToShow();
  ASSERT_TRUE(recent->actions()[0]->text().contains("First.plan"));
  program.Open(PageId::PlanTable);
  auto* planRecent = program.Current()->findChild<QMenu*>("OpenRecent");
  emit planRecent->aboutToShow();
  planRecent->actions()[1]->trigger();
  EXPECT_EQ(program.session.plan.PlanFileName, "Second.plan");
  EXPECT_EQ(program.session.plan.Name1, "Bea");
  EXPECT_FALSE(Marked());
}

TEST_F(DesktopConventionsTest, ADataErrorNamesTheFirstBoxInErrorAndSelectsIt) {
  program.Open(PageId::Assets);
  program.Type(&PlanRecord::TaxDeferredBalance, "12x");
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(program.Current()->Id(), PageId::Assets);
  EXPECT_EQ(program.scripted.prompts.Texts(),
            QStringList{"Data entry error please correct.\nTax Deferred Balance\nDigits only, with commas and a $ "
                        "sign if you like."});
  QLineEdit* box = program.Box(PlanField(&PlanRecord::TaxDeferredBalance));
  EXPECT_EQ(QApplication::focusWidget(), box);
  EXPECT_EQ(box->selectedText(), "12x");
  program.Type(&PlanRecord::TaxDeferredBalance, "0");
  program.LeaveFor(PageId::Graph);

  // Two bad boxes: the first in Tab order is named; a corrected page leaves.
  program.Open(PageId::Taxes);
  program.Current()->grab();  // the page fills at its first paint
  program.scripted.prompts.Clear();
  program.Type(&PlanRecord::StateTax1, "12x");
  program.Type(&PlanRecord::FederalTax1, "x9");
  program.LeaveFor(PageId::Graph);
  ASSERT_EQ(program.scripted.prompts.Texts().size(), 1);
  EXPECT_EQ(program.scripted.prompts.Texts()[0].section('\n', 1, 1), "Current Federal Income Tax");
  EXPECT_EQ(QApplication::focusWidget(), program.Box(PlanField(&PlanRecord::FederalTax1)));
  program.Type(&PlanRecord::StateTax1, "0");
  program.Type(&PlanRecord::FederalTax1, "0");
  program.LeaveFor(PageId::Graph);
  EXPECT_EQ(program.Current()->Id(), PageId::Graph);
}

TEST_F(DesktopConventionsTest, EveryEditBoxCheckBoxAndRadioButtonHasAnAccessibleName) {
  program.session.plan.SecondPerson = true;
  int checked = 0;
  for (int n = 0; n <= static_cast<int>(PageId::Solve); ++n) {
    const auto id = static_cast<PageId>(n);
    if (!program.PageAt(id)) continue;
    if (program.Current()->Id() == PageId::About) program.Trigger("Return");
    program.Open(id);
    if (program.Current()->Id() != id) continue;
    Page* page = program.Current();
    for (QWidget* control : page->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QCheckBox*>(control) &&
          !qobject_cast<QRadioButton*>(control))
        continue;
      // A spin box's inner editor is read as part of the spin box.
      if (!control->isVisibleTo(page) || qobject_cast<QAbstractSpinBox*>(control->parentWidget())) continue;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
      ASSERT_NE(accessible, nullptr);
      EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
          << "page " << id << " control " << control->objectName().toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 150);
  program.Open(PageId::Taxes);
  EXPECT_EQ(program.Box(PlanField(&PlanRecord::FederalTax1))->accessibleName(), "Current Federal Income Tax");
}

}  // namespace
