#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "render/BitmapExport.h"

// The bitmap is saved by the same rules as a plan: never into a pipe or a
// device, under any legal name, and a private picture stays private.
namespace {

QImage Picture() {
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(Qt::blue);
  return image;
}

TEST(BitmapSaveRulesTest, ANamedPipeIsRefusedWithoutWaiting) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
  // A reader on the pipe, so a regression that writes into it fails instead of hanging.
  const int reader = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
  const QString error = WriteBitmapFile(Picture(), path);
  close(reader);
  EXPECT_TRUE(error.contains("named pipe")) << error.toStdString();
  struct stat status {};
  ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(BitmapSaveRulesTest, TheLongestLegalNameSavesAndAPrivatePictureStaysPrivate) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString(251, 'g') + ".bmp");
  ASSERT_EQ(WriteBitmapFile(Picture(), path), QString());
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  ASSERT_EQ(WriteBitmapFile(Picture(), path), QString());
  struct stat status {};
  ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  EXPECT_EQ(QImage(path, "BMP").size(), QSize(20, 10));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
