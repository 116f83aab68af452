#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "support/TestProgram.h"
#include "views/GraphPage.h"

TEST(SaveBitmap, GraphPageSavesThePictureItShows) {
  TestProgram program;
  auto* graph = qobject_cast<GraphPage*>(program.PageAt(PageId::Graph));
  ASSERT_NE(graph, nullptr);
  QTemporaryDir dir;
  const QString path = dir.filePath("JohnSmith.bmp");
  program.scripted.prompts.fileAnswers.push_back(path);
  program.Run(Command::SaveBitmap);

  ASSERT_EQ(program.scripted.prompts.dialogs.size(), 1u);
  const FileDialogRequest& request = program.scripted.prompts.dialogs[0];
  EXPECT_EQ(request.title, "Save Bitmap File");
  EXPECT_EQ(request.filter, "Bitmap Files (*.bmp)");
  EXPECT_EQ(request.defaultExtension, "bmp");
  EXPECT_EQ(request.proposedName, "JohnSmith");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());

  const QImage saved(path, "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), graph->Picture()->size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), graph->VisibleGraph().convertToFormat(QImage::Format_RGB32));
}

TEST(SaveBitmap, CancelWritesNothingAndFailureIsShown) {
  TestProgram program;
  program.Run(Command::SaveBitmap);
  EXPECT_EQ(program.scripted.prompts.dialogs.size(), 1u);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());

  QTemporaryDir dir;
  program.scripted.prompts.fileAnswers.push_back(dir.filePath("no/such/folder/x.bmp"));
  program.Run(Command::SaveBitmap);
  ASSERT_EQ(program.scripted.prompts.shown.size(), 1u);
  EXPECT_EQ(program.scripted.prompts.shown[0].kind, ShownPrompt::Error);
}

TEST(PrintGraphCommand, CancelledPrinterDialogPrintsNothing) {
  TestProgram program;
  program.Run(Command::Print);
  EXPECT_EQ(program.scripted.prompts.printerDialogs, 1);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}
