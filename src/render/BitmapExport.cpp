#include "render/BitmapExport.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

QString WriteBitmapFile(const QImage& image, const QString& path) {
  const QString failure = QString("The bitmap could not be saved as \"%1\": %2");
  QFile existing(path);
  if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
    existing.setPermissions(existing.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failure.arg(path, file.errorString());
  QImageWriter writer(&file, "BMP");
  if (!writer.write(image)) {
    file.cancelWriting();
    return failure.arg(path, writer.errorString());
  }
  if (!file.commit()) return failure.arg(path, file.errorString());
  return QString();
}
