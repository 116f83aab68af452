#pragma once

class QImage;
class QWidget;
struct Session;
struct Platform;
struct FileDialogRequest;

// The save dialog of the graph bitmap: proposes the plan's name in the plan's folder.
FileDialogRequest BitmapDialogRequest(const Session& session);

// Asks for a file name and writes the image there as a bitmap; reports a failure.
void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform);
