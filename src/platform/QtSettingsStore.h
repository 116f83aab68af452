#pragma once

#include <QSettings>
#include <QVariantMap>
#include <memory>

#include "platform/SettingsStore.h"

// User-scope settings under the program's organisation and application
// names; they stay fixed, so an upgrade keeps a user's window and last plan.
// A settings file that is not a regular file (a named pipe would block the
// start) is left alone: the values then live in memory for this run only.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  // The settings in `file` instead of the user's own.
  explicit QtSettingsStore(const QString& file);

  bool Contains(const QString& name) const override;
  std::optional<int> Integer(const QString& name) const override;
  std::optional<QString> Text(const QString& name) const override;
  void SetInteger(const QString& name, int value) override;
  void SetText(const QString& name, const QString& value) override;
  QString Problem() const override { return problem_; }

 private:
  std::optional<QVariant> Value(const QString& name) const;
  void SetValue(const QString& name, const QVariant& value);

  std::unique_ptr<QSettings> settings_;
  QVariantMap memory_;
  QString problem_;
};

// The files the user-scope settings are read from, the user's own first.
QStringList UserSettingsFiles();

// Why `file` cannot serve as a settings file, or an empty text (also when it
// does not exist yet).
QString SettingsFileProblem(const QString& file);
