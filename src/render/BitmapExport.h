#pragma once

#include <QString>

class QImage;

// Writes `image` as a Windows bitmap by the rules of every save
// (model/FileSave.h): a read-only file of that name is replaced, a failed write
// leaves any old file untouched. Returns an empty text on success, otherwise
// what went wrong, ready to show.
QString WriteBitmapFile(const QImage& image, const QString& path);
