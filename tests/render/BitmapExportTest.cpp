#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "render/BitmapExport.h"

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

TEST(BitmapExport, APngNameGetsAPngImage) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.PNG");
  ASSERT_EQ(WriteBitmapFile(Sample(QSize(40, 30)), path), QString());
  EXPECT_TRUE(Contents(path).startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
  EXPECT_EQ(QImage(path, "PNG").pixelColor(3, 4), QColor(255, 0, 255));
}

TEST(BitmapExport, TypedSizesAreWidthByHeightWithinBounds) {
  EXPECT_EQ(ParsePictureSize("1280x960"), QSize(1280, 960));
  EXPECT_EQ(ParsePictureSize(" 3 \u00d7 4 "), QSize(3, 4));
  EXPECT_EQ(ParsePictureSize("16384X1"), QSize(16384, 1));
  for (const char* refused : {"0x5", "16385x1", "12x", "x12", "axb", "12x12x12", ""})
    EXPECT_EQ(ParsePictureSize(refused), std::nullopt) << refused;
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
