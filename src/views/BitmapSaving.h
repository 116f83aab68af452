#pragma once

#include <QSize>
#include <functional>

class QImage;
class QWidget;
struct Session;
struct Platform;
struct FileDialogRequest;

// The save dialog of a picture: PNG (the default) or BMP, the plan's name in the plan's folder.
FileDialogRequest BitmapDialogRequest(const Session& session);

// Asks for a file name and writes the image there, as PNG or BMP by the name's
// ending (a name with neither gets ".png"); reports a failure.
void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform);

// The same for a picture that can be drawn at any size: first asks whether to
// save it at the window's size (`visible`) or at a typed one, drawn by `render`.
void SaveResizableBitmapFile(QWidget* page, const QImage& visible, const std::function<QImage(QSize)>& render,
                             const Session& session, Platform& platform);
