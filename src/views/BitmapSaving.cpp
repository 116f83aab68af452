#include "views/BitmapSaving.h"

#include <QImage>

#include "model/NumberFormat.h"
#include "platform/Platform.h"
#include "render/BitmapExport.h"
#include "shell/Session.h"

FileDialogRequest BitmapDialogRequest(const Session& session) {
  FileDialogRequest request;
  request.title = "Save Bitmap File";
  request.filter = "Bitmap Files (*.bmp)";
  request.defaultExtension = "bmp";
  request.initialFolder = QString::fromStdString(session.CurrentPlanFolder());
  request.proposedName = QString::fromStdString(CaptionPlanName(session.plan.PlanFileName));
  request.confirmOverwrite = true;
  return request;
}

void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform) {
  const std::optional<QString> path = platform.prompts.SaveFile(page, BitmapDialogRequest(session));
  if (!path) return;
  const QString error = WriteBitmapFile(image, *path);
  if (!error.isEmpty()) platform.prompts.Error(page, error);
}
