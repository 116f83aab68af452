#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "shell/PageMenus.h"
#include "support/TestProgram.h"

namespace {

// A page of the program's own kind whose help numbers differ between F1 and
// the menu, added to the real window.
class ProbePage : public Page {
 public:
  ProbePage(TestProgram& program, PageId id)
      : Page(id, program.session, program.scripted.platform, *program.window) {
    SetHelpContext(1234);
    AddWindowMenu(MenuBar(), *this, WindowMenuOptions{1234});
  }
  int F1HelpContext() const override { return 4321; }
};

// An id no page of the program uses.
const PageId kProbeNumber = static_cast<PageId>(99);

void PressF1(TestProgram& program) {
  program.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
  QTest::keyClick(program.Current(), Qt::Key_F1);
}

struct PageHelp {
  PageId page;
  int f1;
  int menu;
};

// F1 and "Help Topics" on each page, as the help topics are numbered.
const PageHelp kPageHelp[] = {
    {PageId::Graph, 400, 0},
    {PageId::PlanTable, 500, 500},
    {PageId::Personal, 800, 800},
    {PageId::Assets, 900, 900},
    {PageId::Income, 1100, 1100},
    {PageId::Taxes, 1200, 1200},
    {PageId::ExpenseSummary, 1300, 1300},
    {PageId::Assumptions, 1400, 1400},
    {PageId::HomeStatus, 1000, 1000},
    {PageId::HomeExpenses, 1500, 1500},
    {PageId::MedicalExpenses, 1600, 1600},
    {PageId::CommunicationExpenses, 1700, 1700},
    {PageId::EntertainmentExpenses, 1800, 1800},
    {PageId::FoodExpenses, 1900, 1900},
    {PageId::SpecialEvents, 2000, 2000},
    {PageId::AutoExpenses, 2100, 2100},
    {PageId::Education, 2200, 2200},
    {PageId::Comparison, 2300, 2300},
};

TEST(HelpMenuTest, F1AsksForThePagesOwnContextNumber) {
  TestProgram program;
  program.window->AddPage(new ProbePage(program, kProbeNumber));
  program.Open(kProbeNumber);
  ASSERT_EQ(program.Current()->Id(), kProbeNumber);

  PressF1(program);
  program.Trigger("HelpTopics");

  EXPECT_EQ(program.scripted.desktop.helpTopics, (std::vector<int>{4321, 1234}));
}

TEST(HelpMenuTest, F1OnlyReachesTheVisiblePage) {
  TestProgram program;
  program.window->AddPage(new ProbePage(program, kProbeNumber));
  program.Open(kProbeNumber);
  program.Open(PageId::About);

  PressF1(program);

  // The about box has no topic of its own: the contents.
  EXPECT_EQ(program.scripted.desktop.helpTopics, std::vector<int>{0});
}

TEST(HelpMenuTest, EveryPageAsksForItsTopicOnF1AndFromTheMenu) {
  TestProgram program;
  int checked = 0;
  for (const PageHelp& expected : kPageHelp) {
    if (!program.PageAt(expected.page)) continue;
    program.Open(expected.page);
    ASSERT_EQ(program.Current()->Id(), expected.page) << "could not open page " << expected.page;
    program.scripted.desktop.helpTopics.clear();

    PressF1(program);
    program.Trigger("HelpTopics");

    EXPECT_EQ(program.scripted.desktop.helpTopics, (std::vector<int>{expected.f1, expected.menu}))
        << "page " << expected.page;
    ++checked;
  }
  if (checked == 0) GTEST_SKIP() << "no page of the table is built yet";
}

// Two pages kept older object names for the document and home-page items;
// whatever the name, each item opens the same file on every page.
TEST(HelpMenuTest, EveryPagesDocumentAndHomePageItemsOpenTheFilesBesideTheProgram) {
  TestProgram program;
  const QString folder = QCoreApplication::applicationDirPath();
  int checked = 0;
  for (const PageHelp& expected : kPageHelp) {
    if (!program.PageAt(expected.page)) continue;
    program.Open(expected.page);
    ASSERT_EQ(program.Current()->Id(), expected.page);
    program.scripted.desktop.openedDocuments.clear();
    const bool vista = program.Current()->findChild<QAction*>("UserGuide") != nullptr;
    const bool shortName = program.Current()->findChild<QAction*>("HomePage") != nullptr;

    program.Trigger(vista ? "UserGuide" : "UserGuide");
    program.Trigger(shortName ? "HomePage" : "HomePage");

    const QStringList& opened = program.scripted.desktop.openedDocuments;
    ASSERT_EQ(opened.size(), 2) << "page " << expected.page;
    EXPECT_EQ(opened[0], QDir(folder).filePath("Help_HTM.htm")) << "page " << expected.page;
    EXPECT_EQ(opened[1], QDir(folder).filePath("about.html")) << "page " << expected.page;
    ++checked;
  }
  if (checked == 0) GTEST_SKIP() << "no page of the table is built yet";
}

TEST(HelpMenuTest, HtmlHelpOpensTheDocumentBesideTheProgramWhateverTheCurrentFolder) {
  TestProgram program;
  program.window->AddPage(new ProbePage(program, kProbeNumber));
  program.Open(kProbeNumber);
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString previous = QDir::currentPath();
  QTemporaryDir elsewhere;
  ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

  program.Trigger("UserGuide");
  program.Trigger("HomePage");
  QDir::setCurrent(previous);

  const QStringList& opened = program.scripted.desktop.openedDocuments;
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(QFileInfo(opened[0]).absoluteFilePath(), QDir(programFolder).filePath("Help_HTM.htm"));
  EXPECT_EQ(QFileInfo(opened[1]).absoluteFilePath(), QDir(programFolder).filePath("about.html"));
  // The build puts both documents there, as the installation does.
  EXPECT_TRUE(QFileInfo::exists(opened[0]));
  EXPECT_TRUE(QFileInfo::exists(opened[1]));
  // The maker's page is the local about page, never a web site.
  EXPECT_TRUE(program.scripted.desktop.openedAddresses.isEmpty());
}

}  // namespace
