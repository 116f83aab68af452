#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/MainWindow.h"
#include "app/PageRegistry.h"
#include "shell/Page.h"
#include "shell/Session.h"
#include "support/ScriptedPlatform.h"

namespace {

// A printer dialog whose OK sends the job to a PDF file.
class PdfPrompts : public ScriptedPrompts {
 public:
  bool ChoosePrinter(QWidget*, QPrinter& printer) override {
    ++printerDialogs;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  }
  QString pdf;
};

struct PrintCommandTest : ::testing::Test {
  QTemporaryDir dir;
  Session session;
  PdfPrompts prompts;
  MemorySettings settings;
  RecordingDesktop desktop;
  Platform platform{prompts, settings, desktop};
  std::unique_ptr<MainWindow> window;

  void SetUp() override {
    prompts.pdf = dir.filePath("out.pdf");
    window = std::make_unique<MainWindow>(session, platform);
    CreatePages(*window, session, platform);
    window->ShowFirstPage();
  }
  void TearDown() override {
    session.Exiting = true;
    window->close();
  }

  void Trigger(const QString& name) {
    QAction* action = window->CurrentPage()->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    action->trigger();
  }

  int PdfPages() {
    QFile file(prompts.pdf);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page[^s]")));
  }
};

}  // namespace

TEST_F(PrintCommandTest, PlanPagePrintsEveryPageOfThePlan) {
  window->SwitchPage(PageId::Graph, PageId::PlanTable);
  Trigger("PrintPlan");
  EXPECT_EQ(prompts.printerDialogs, 1);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(PdfPages(), 6);
}

TEST_F(PrintCommandTest, GraphPagePrintsOnePage) {
  Trigger("PrintGraph");
  EXPECT_EQ(prompts.printerDialogs, 1);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(PdfPages(), 1);
}

TEST_F(PrintCommandTest, PrinterThatDoesNotStartIsReported) {
  prompts.pdf = dir.filePath("no/such/folder/out.pdf");
  Trigger("PrintGraph");
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].kind, ShownPrompt::Error);
}

// The previews draw what Print would print, without a printer dialog.
TEST_F(PrintCommandTest, PreviewsHoldThePagesOfThePrintouts) {
  Trigger("PreviewGraph");
  window->SwitchPage(PageId::Graph, PageId::PlanTable);
  Trigger("PreviewPlan");
  EXPECT_EQ(prompts.previewPages, (std::vector<int>{1, 6}));
  EXPECT_EQ(prompts.printerDialogs, 0);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PrintCommandTest, PlanPageSavesItsTableAsAPicture) {
  window->SwitchPage(PageId::Graph, PageId::PlanTable);
  prompts.fileAnswers.push_back(dir.filePath("table.png"));
  Trigger("SaveBitmap");
  QFile file(dir.filePath("table.png"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4).endsWith("PNG"));
  EXPECT_FALSE(QImage(dir.filePath("table.png")).isNull());
}
