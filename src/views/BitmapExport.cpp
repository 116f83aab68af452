#include "views/BitmapExport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include "model/FileSave.h"
#include "model/NumberFormat.h"
#include "platform/Platform.h"
#include "shell/Session.h"

FileDialogRequest BitmapDialogRequest(const Session& session) {
  FileDialogRequest request;
  request.title = "Save Bitmap File";
  request.filter = "Bitmap Files (*.bmp)";
  request.defaultExtension = "bmp";
  const std::string& folder = session.PlanDirectory.empty() ? session.working.PlanFolder : session.PlanDirectory;
  request.initialFolder = QString::fromStdString(folder);
  request.proposedName = QString::fromStdString(CaptionPlanName(session.plan.PlanFileName));
  request.confirmOverwrite = true;
  return request;
}

QString WriteBitmapFile(const QImage& image, const QString& path) {
  const QString failure = QString("The bitmap could not be saved as \"%1\": %2");
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  QImageWriter writer(&file, "BMP");
  if (!writer.write(image)) return failure.arg(path, writer.errorString());
  const std::string problem = SaveFileContents(QFile::encodeName(path).toStdString(), file.data().toStdString());
  return problem.empty() ? QString() : failure.arg(path, QString::fromStdString(problem));
}

void SaveBitmapFile(QWidget* page, const QImage& image, const Session& session, Platform& platform) {
  const std::optional<QString> path = platform.prompts.SaveFile(page, BitmapDialogRequest(session));
  if (!path) return;
  const QString error = WriteBitmapFile(image, *path);
  if (!error.isEmpty()) platform.prompts.Error(page, error);
}
