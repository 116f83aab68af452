#include "render/BitmapExport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include "model/FileSave.h"

QString WriteBitmapFile(const QImage& image, const QString& path) {
  const QString failure = QString("The bitmap could not be saved as \"%1\": %2");
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  QImageWriter writer(&file, "BMP");
  if (!writer.write(image)) return failure.arg(path, writer.errorString());
  const std::string problem = SaveFileContents(QFile::encodeName(path).toStdString(), file.data().toStdString());
  return problem.empty() ? QString() : failure.arg(path, QString::fromStdString(problem));
}
