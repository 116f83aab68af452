#include <gtest/gtest.h>

#include <QAction>

#include "support/TestProgram.h"

namespace {

void TriggerReport(TestProgram& program) {
  QAction* action = program.PageAt(PageId::Graph)->findChild<QAction*>("Report");
  ASSERT_NE(action, nullptr);
  action->trigger();
}

}  // namespace

// File > Report runs the figures with progress and shows the report in the
// preview: every page of the report, on the paper chosen.
TEST(ReportCommand, PreviewsTheWholeReport) {
  TestProgram program;
  auto& prompts = program.scripted.prompts;
  prompts.textAnswers = {QString("50")};
  prompts.choiceAnswers = {0};
  TriggerReport(program);
  EXPECT_EQ(prompts.progressRuns, 1);
  ASSERT_EQ(prompts.previewPages.size(), 1u);
  EXPECT_EQ(prompts.previewPages[0], 16);
  EXPECT_TRUE(prompts.shown.size() == 1 && prompts.shown[0].kind == ShownPrompt::Question);
}

// Cancel during the run shows nothing more; a trial count that is none is refused before anything runs.
TEST(ReportCommand, CancelAndABadTrialCountShowNoReport) {
  TestProgram program;
  auto& prompts = program.scripted.prompts;
  prompts.textAnswers = {QString("50"), QString("many")};
  prompts.cancelWork = true;
  TriggerReport(program);
  EXPECT_EQ(prompts.progressRuns, 1);
  TriggerReport(program);
  EXPECT_EQ(prompts.progressRuns, 1);
  EXPECT_TRUE(prompts.previewPages.empty());
  ASSERT_FALSE(prompts.shown.empty());
  EXPECT_EQ(prompts.shown.back().kind, ShownPrompt::Error);
  EXPECT_TRUE(prompts.shown.back().text.startsWith("\"many\" is not a trial count"));
}
