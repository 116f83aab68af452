#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QImage;

// "PNG" for a name ending in .png and "BMP" for one ending in .bmp, in any
// case; nullptr for any other name.
const char* ImageFormatOf(const QString& path);

// Writes `image` as a PNG image or a Windows bitmap, as its name ends (other
// names get a bitmap), by the rules of every save (model/FileSave.h): a
// read-only file of that name is replaced, a failed write leaves any old file
// untouched. Returns an empty text on success, otherwise what went wrong,
// ready to show.
QString WriteBitmapFile(const QImage& image, const QString& path);

// Picture sizes as typed: "1280x960" (an "x" or "×", blanks around it allowed),
// each side from 1 to kLargestPictureSide pixels; nothing otherwise.
inline constexpr int kLargestPictureSide = 16384;
std::optional<QSize> ParsePictureSize(const QString& text);
