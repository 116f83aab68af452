#pragma once

#include <QString>

class QImage;
class QWidget;
struct Session;
struct Platform;
struct FileDialogRequest;

// The save dialog of the graph bitmap: proposes the plan's name in the plan's folder.
FileDialogRequest BitmapDialogRequest(const Session& session);

// Writes `image` as a Windows bitmap by the rules of every save
// (model/FileSave.h): a read-only file of that name is replaced, a failed write
// leaves any old file untouched. Returns an empty text on success, otherwise
// what went wrong, ready to show.
QString WriteBitmapFile(const QImage& image, const QString& path);

// Asks for a file name and writes the image there; reports a failure.
void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform);
