#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "support/TestProgram.h"
#include "views/BitmapExport.h"
#include "views/GraphPage.h"

namespace {

QImage Sample(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setPixelColor(3, 4, QColor(255, 0, 255));
  return image;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(BitmapExport, WritesAWindowsBitmap) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  ASSERT_EQ(WriteBitmapFile(Sample(QSize(40, 30)), path), QString());
  EXPECT_TRUE(Contents(path).startsWith("BM"));
  const QImage back(path, "BMP");
  EXPECT_EQ(back.size(), QSize(40, 30));
  EXPECT_EQ(back.pixelColor(3, 4), QColor(255, 0, 255));
}

TEST(BitmapExport, ReplacesAReadOnlyFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old picture");
  }
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  ASSERT_EQ(WriteBitmapFile(Sample(QSize(20, 10)), path), QString());
  EXPECT_EQ(QImage(path, "BMP").size(), QSize(20, 10));
}

TEST(BitmapExport, FailureIsReportedAndLeavesNoFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing/graph.bmp");
  const QString error = WriteBitmapFile(Sample(QSize(20, 10)), path);
  EXPECT_TRUE(error.startsWith("The bitmap could not be saved as \"" + path + "\"")) << error.toStdString();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(BitmapExport, FailedWriteKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  ASSERT_EQ(WriteBitmapFile(Sample(QSize(20, 10)), path), QString());
  const QByteArray before = Contents(path);
  // An image the encoder refuses fails half-way, after the file was opened.
  EXPECT_NE(WriteBitmapFile(QImage(), path), QString());
  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"graph.bmp"});
}

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
