#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "support/TestProgram.h"
#include "views/GraphPage.h"

namespace {

QByteArray Head(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
}

}  // namespace

// The file's contents follow its name: PNG (the default) for .png, BMP for .bmp,
// PNG with ".png" added for a name with neither; each the picture on screen.
TEST(SaveBitmap, GraphPageSavesThePictureItShowsInTheFormatItsNameSays) {
  TestProgram program;
  auto* graph = qobject_cast<GraphPage*>(program.PageAt(PageId::Graph));
  ASSERT_NE(graph, nullptr);
  QTemporaryDir dir;
  const QByteArray pngMagic("\x89PNG\r\n\x1a\n", 8);
  const struct {
    QString typed;
    QString written;
    QByteArray magic;
  } cases[] = {{dir.filePath("a.png"), dir.filePath("a.png"), pngMagic},
               {dir.filePath("b.BMP"), dir.filePath("b.BMP"), "BM"},
               {dir.filePath("c"), dir.filePath("c.png"), pngMagic}};
  for (const auto& c : cases) {
    program.scripted.prompts.fileAnswers.push_back(c.typed);
    program.Run(Command::SaveBitmap);
    EXPECT_TRUE(Head(c.written).startsWith(c.magic)) << c.written.toStdString();
    const QImage saved(c.written);
    ASSERT_FALSE(saved.isNull()) << c.written.toStdString();
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), graph->VisibleGraph().convertToFormat(QImage::Format_RGB32));
  }
  const FileDialogRequest& request = program.scripted.prompts.dialogs.at(0);
  EXPECT_EQ(request.title, "Save Bitmap File");
  EXPECT_EQ(request.filter, "PNG Images (*.png);;Bitmap Files (*.bmp)");
  EXPECT_EQ(request.defaultExtension, "png");
  EXPECT_EQ(request.proposedName, "JohnSmith");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(program.scripted.prompts.shown.empty());
}

// A typed size draws the graph anew at that size; a size that is none is refused and writes nothing.
TEST(SaveBitmap, TypedSizeDrawsTheGraphAtThatSize) {
  TestProgram program;
  QTemporaryDir dir;
  auto& prompts = program.scripted.prompts;
  prompts.choiceAnswers = {1, 1};
  prompts.textAnswers = {QString("1280 x 960"), QString("big")};
  prompts.fileAnswers.push_back(dir.filePath("large.png"));
  program.Run(Command::SaveBitmap);
  EXPECT_EQ(QImage(dir.filePath("large.png")).size(), QSize(1280, 960));

  program.Run(Command::SaveBitmap);
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  ASSERT_FALSE(prompts.shown.empty());
  EXPECT_EQ(prompts.shown.back().kind, ShownPrompt::Error);
  EXPECT_TRUE(prompts.shown.back().text.contains("\"big\" is not a picture size"));
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
