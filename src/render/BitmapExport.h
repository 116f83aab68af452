#pragma once

#include <QString>

class QImage;

// Writes `image` as a Windows bitmap. A read-only file of that name is
// replaced. The file is written beside the target and moved over it only
// when complete, so a failed write leaves any old file untouched. Returns an
// empty text on success, otherwise what went wrong, ready to show.
QString WriteBitmapFile(const QImage& image, const QString& path);
