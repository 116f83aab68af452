#include "platform/QtSettingsStore.h"

#include <sys/stat.h>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>

#include "model/FileChecks.h"
#include "model/ReadableText.h"

namespace {

const char* const kOrganisation = "QTX Technology";
const char* const kApplication = "Plandra";

QString Unusable(const QString& file, const QString& reason) {
  const QString shown = QString::fromStdString(ReadableText(QFile::encodeName(file).toStdString()));
  return QString(
             "The settings file \"%1\" cannot be used: %2. Prevora starts with its first-run window "
             "and plan and remembers nothing of this session.")
      .arg(shown, reason);
}

// The first file of `files` that cannot be used, as a message; empty when all can.
QString FirstProblem(const QStringList& files) {
  for (const QString& file : files) {
    if (const QString problem = SettingsFileProblem(file); !problem.isEmpty()) return problem;
  }
  return {};
}

}  // namespace

QStringList UserSettingsFiles() {
  // The user's folder comes first; QSettings also reads the organisation's
  // file and the system folders' files, any of which could block.
  QStringList files;
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    files << folder + '/' + kOrganisation + '/' + kApplication + ".conf" << folder + '/' + kOrganisation + ".conf";
  }
  return files;
}

QString SettingsFileProblem(const QString& file) {
  const QByteArray path = QFile::encodeName(file);
  struct stat entry {};
  if (lstat(path.constData(), &entry) != 0) return {};
  if (stat(path.constData(), &entry) != 0) {
    return Unusable(file, errno == ELOOP ? "it is a link that leads round in a loop"
                                         : "it is a link to a file that does not exist");
  }
  const std::string problem = FileTypeProblem(entry.st_mode);
  return problem.empty() ? QString() : Unusable(file, QString::fromStdString(problem));
}

QtSettingsStore::QtSettingsStore() : problem_(FirstProblem(UserSettingsFiles())) {
  if (problem_.isEmpty()) settings_ = std::make_unique<QSettings>(QSettings::UserScope, kOrganisation, kApplication);
}

QtSettingsStore::QtSettingsStore(const QString& file) : problem_(SettingsFileProblem(file)) {
  if (problem_.isEmpty()) settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

std::optional<QVariant> QtSettingsStore::Value(const QString& name) const {
  if (settings_) return settings_->contains(name) ? std::optional(settings_->value(name)) : std::nullopt;
  return memory_.contains(name) ? std::optional(memory_.value(name)) : std::nullopt;
}

void QtSettingsStore::SetValue(const QString& name, const QVariant& value) {
  if (settings_) {
    settings_->setValue(name, value);
  } else {
    memory_.insert(name, value);
  }
}

bool QtSettingsStore::Contains(const QString& name) const { return Value(name).has_value(); }

std::optional<int> QtSettingsStore::Integer(const QString& name) const {
  const std::optional<QVariant> value = Value(name);
  if (!value) return std::nullopt;
  bool ok = false;
  const int number = value->toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<QString> QtSettingsStore::Text(const QString& name) const {
  const std::optional<QVariant> value = Value(name);
  if (!value) return std::nullopt;
  return value->toString();
}

void QtSettingsStore::SetInteger(const QString& name, int value) { SetValue(name, value); }

void QtSettingsStore::SetText(const QString& name, const QString& value) { SetValue(name, value); }
