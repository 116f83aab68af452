#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

CommandLineRequest Parse(const QStringList& words) { return ParseCommandLine(QStringList{"prevora"} + words); }

TEST(CommandLineTest, VersionAndHelpAnswerAndEnd) {
  for (const char* option : {"--version", "-v"}) {
    const CommandLineRequest request = Parse({option});
    EXPECT_TRUE(request.exitNow);
    EXPECT_EQ(request.exitCode, 0);
    EXPECT_EQ(request.output, "Prevora 1.24\n");
  }
  for (const char* option : {"--help", "-h"}) {
    const CommandLineRequest request = Parse({option});
    EXPECT_TRUE(request.exitNow);
    EXPECT_EQ(request.exitCode, 0);
    EXPECT_TRUE(request.output.startsWith("Usage: prevora")) << request.output.toStdString();
  }
}

TEST(CommandLineTest, PlanWordsAreKeptInOrderForStartUp) {
  EXPECT_TRUE(Parse({}).planArguments.isEmpty());
  EXPECT_FALSE(Parse({}).exitNow);

  const CommandLineRequest split = Parse({"/home/me/My", "Retirement", "Plan.plan"});
  EXPECT_FALSE(split.exitNow);
  EXPECT_EQ(split.planArguments.join(' '), "/home/me/My Retirement Plan.plan");

  // After the first plan word nothing is an option: a path may hold " -x ".
  EXPECT_EQ(Parse({"Plan", "-v", "--help", "two.plan"}).planArguments.join(' '), "Plan -v --help two.plan");
  EXPECT_EQ(Parse({"--", "-dash.plan"}).planArguments, QStringList{"-dash.plan"});
  // An empty first argument names no plan; start-up decides from that.
  EXPECT_EQ(Parse({"", "x"}).planArguments, (QStringList{"", "x"}));
}

TEST(CommandLineTest, UnknownOptionsAreRefusedWithAHint) {
  const CommandLineRequest request = Parse({"--frobnicate"});
  EXPECT_TRUE(request.exitNow);
  EXPECT_EQ(request.exitCode, 1);
  EXPECT_TRUE(request.output.contains("frobnicate"));
  EXPECT_TRUE(request.output.contains("prevora --help"));
}

}  // namespace
