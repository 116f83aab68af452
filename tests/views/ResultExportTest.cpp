#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "model/PlanFile.h"
#include "solve/SolveSummary.h"
#include "support/TestProgram.h"
#include "views/OddsPage.h"
#include "views/OddsSummary.h"
#include "views/SolvePage.h"

// The odds and Solve pages' results printed to a PDF file and copied as CSV,
// with the figures the page shows; a file that cannot be written is said so.
namespace {

constexpr int kRunTimeoutMs = 20000;

// The text of a PDF by pdftotext, pages separated by form feeds; empty when it cannot be read.
QString PdfText(const QString& path) {
  QProcess process;
  process.start("pdftotext", {"-layout", path, "-"});
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

class ResultExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(directory.isValid());
    ASSERT_TRUE(ReadPlanFile(program.session.plan, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
    program.session.RunForecastForView();
    program.Open(PageId::Graph);
  }

  template <typename T>
  T* Control(const QString& name) const {
    T* control = program.Current()->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }

  // Saves the page's result as a PDF; its text, or empty after a failure.
  QString SavedPdfText() {
    const QString pdf = directory.filePath("result.pdf");
    program.scripted.prompts.fileAnswers = {pdf};
    program.Trigger("SaveResultPdf");
    return PdfText(pdf);
  }

  // Save as CSV to a folder that does not exist: an error names the file, nothing is written.
  void ExpectUnwritableCsvRefused() {
    const QString csv = directory.filePath("no folder/result.csv");
    program.scripted.prompts.fileAnswers = {csv};
    const std::size_t shown = program.scripted.prompts.shown.size();
    program.Trigger("SaveResultCsv");
    ASSERT_EQ(program.scripted.prompts.shown.size(), shown + 1);
    EXPECT_EQ(program.scripted.prompts.shown.back().kind, ShownPrompt::Error);
    EXPECT_TRUE(program.scripted.prompts.shown.back().text.contains("no folder/result.csv"));
    EXPECT_FALSE(QFile::exists(csv));
  }

  QTemporaryDir directory;
  TestProgram program;
};

TEST_F(ResultExportTest, OddsPrintAndCopyTheShownFigures) {
  program.Trigger("Odds");
  auto* odds = qobject_cast<OddsPage*>(program.Current());
  ASSERT_NE(odds, nullptr);
  // Before a run there is nothing to print: the page says so.
  program.Trigger("PrintResult");
  ASSERT_FALSE(program.scripted.prompts.shown.empty());
  EXPECT_EQ(program.scripted.prompts.shown.back().kind, ShownPrompt::Information);
  EXPECT_TRUE(program.scripted.prompts.previewPages.empty());

  Control<QSpinBox>("OddsTrials")->setValue(300);
  odds->RunClicked();
  ASSERT_TRUE(QTest::qWaitFor([odds] { return !odds->IsRunning(); }, kRunTimeoutMs));
  ASSERT_NE(odds->Result(), nullptr);
  const QString headline = OddsHeadline(*odds->Result());

  program.Trigger("PrintResult");
  ASSERT_EQ(program.scripted.prompts.previewPages.size(), 1u);
  EXPECT_GT(program.scripted.prompts.previewPages[0], 0);
  const QString text = SavedPdfText();
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text.simplified().contains(headline)) << headline.toStdString();
  EXPECT_TRUE(text.contains("page 1 of"));

  program.Trigger("CopyResult");
  const QStringList lines = program.scripted.desktop.clipboard.split('\n');
  ASSERT_GT(lines.size(), 3);
  EXPECT_EQ(lines[0], "Figure,Trials,Percent");
  EXPECT_EQ(lines[2].section(',', 2), QString::number(odds->Result()->SavingsLastedShare(), 'f', 1));
  EXPECT_TRUE(headline.startsWith(lines[2].section(',', 2) + " %"));
  EXPECT_TRUE(program.scripted.desktop.clipboard.contains("\nYear,Age1,CurrentP10,"));
  ExpectUnwritableCsvRefused();
}

TEST_F(ResultExportTest, SolvePrintAndCopyTheAnswerAndCharts) {
  program.Trigger("Solve");
  auto* solve = qobject_cast<SolvePage*>(program.Current());
  ASSERT_NE(solve, nullptr);
  solve->RunClicked();
  ASSERT_TRUE(QTest::qWaitFor([solve] { return !solve->IsRunning(); }, kRunTimeoutMs));
  solve->SensitivityClicked();
  ASSERT_TRUE(QTest::qWaitFor([solve] { return !solve->IsRunning(); }, kRunTimeoutMs));
  ASSERT_TRUE(solve->Result() && solve->Result()->status == SolveStatus::Solved);
  ASSERT_FALSE(solve->Bars().empty());
  const std::int64_t answer = solve->Result()->answer.value;

  const QString text = SavedPdfText().simplified();
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text.contains(QString::fromStdString(LeverValueText(SpendingLever(), answer))));
  EXPECT_TRUE(text.contains("Proof: at"));
  EXPECT_TRUE(text.contains("Sensitivity: the inputs that matter most"));

  program.Trigger("CopyResult");
  const QStringList parts = program.scripted.desktop.clipboard.split("\n\n");
  ASSERT_EQ(parts.size(), 2);
  EXPECT_TRUE(parts[0].startsWith("Lever,Plan,Target,Odds,Status,Answer,"));
  EXPECT_EQ(parts[0].section('\n', 1, 1).section(',', 5, 5), QString::number(answer));
  EXPECT_TRUE(parts[1].startsWith("Figure,Base,Name,Page,Words,"));
  ExpectUnwritableCsvRefused();
}

}  // namespace
