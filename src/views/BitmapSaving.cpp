#include "views/BitmapSaving.h"

#include <QImage>

#include "model/NumberFormat.h"
#include "platform/Platform.h"
#include "render/BitmapExport.h"
#include "shell/Session.h"

FileDialogRequest BitmapDialogRequest(const Session& session) {
  FileDialogRequest request;
  request.title = "Save Bitmap File";
  request.filter = "PNG Images (*.png);;Bitmap Files (*.bmp)";
  request.defaultExtension = "png";
  request.initialFolder = QString::fromStdString(session.CurrentPlanFolder());
  request.proposedName = QString::fromStdString(CaptionPlanName(session.plan.PlanFileName));
  request.confirmOverwrite = true;
  return request;
}

void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform) {
  std::optional<QString> path = platform.prompts.SaveFile(page, BitmapDialogRequest(session));
  if (!path) return;
  // The contents follow the name, so a name without a picture ending gets the default one.
  if (!ImageFormatOf(*path)) *path += ".png";
  const QString error = WriteBitmapFile(image, *path);
  if (!error.isEmpty()) platform.prompts.Error(page, error);
}

void SaveResizableBitmapFile(QWidget* page, const QImage& visible, const std::function<QImage(QSize)>& render,
                             const Session& session, Platform& platform) {
  const QString question = QString("Save the picture at the window's size, %1 x %2 pixels, or at a size you type?")
                               .arg(visible.width())
                               .arg(visible.height());
  const std::optional<int> choice = platform.prompts.Choose(page, question, {"&Window's Size", "&Other Size..."}, 0);
  if (!choice) return;
  if (*choice == 0) {
    SaveBitmapFile(page, visible, session, platform);
    return;
  }
  const std::optional<QString> typed =
      platform.prompts.AskText(page, QString("Width x height in pixels, each from 1 to %1:").arg(kLargestPictureSide),
                               QString("%1x%2").arg(visible.width()).arg(visible.height()));
  if (!typed) return;
  const std::optional<QSize> size = ParsePictureSize(*typed);
  if (!size) {
    platform.prompts.Error(page, QString("\"%1\" is not a picture size: type the width and height in pixels, such as "
                                         "1280x960, each from 1 to %2.")
                                     .arg(*typed)
                                     .arg(kLargestPictureSide));
    return;
  }
  const QImage image = render(*size);
  if (image.isNull()) {
    platform.prompts.Error(page, "A picture of that size does not fit in memory; try a smaller one.");
    return;
  }
  SaveBitmapFile(page, image, session, platform);
}
