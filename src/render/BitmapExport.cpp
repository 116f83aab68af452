#include "render/BitmapExport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>

#include "model/FileSave.h"

const char* ImageFormatOf(const QString& path) {
  if (path.endsWith(".png", Qt::CaseInsensitive)) return "PNG";
  if (path.endsWith(".bmp", Qt::CaseInsensitive)) return "BMP";
  return nullptr;
}

std::optional<QSize> ParsePictureSize(const QString& text) {
  static const QRegularExpression pattern("^\\s*(\\d{1,5})\\s*[x\u00d7X]\\s*(\\d{1,5})\\s*$");
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() < 1 || size.height() < 1 || size.width() > kLargestPictureSide ||
      size.height() > kLargestPictureSide)
    return std::nullopt;
  return size;
}

QString WriteBitmapFile(const QImage& image, const QString& path) {
  const QString failure = QString("The bitmap could not be saved as \"%1\": %2");
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  const char* format = ImageFormatOf(path);
  QImageWriter writer(&file, format ? format : "BMP");
  if (!writer.write(image)) return failure.arg(path, writer.errorString());
  const std::string problem = SaveFileContents(QFile::encodeName(path).toStdString(), file.data().toStdString());
  return problem.empty() ? QString() : failure.arg(path, QString::fromStdString(problem));
}
