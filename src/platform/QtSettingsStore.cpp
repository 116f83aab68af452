#include "platform/QtSettingsStore.h"

QtSettingsStore::QtSettingsStore() : settings_(QSettings::UserScope, "QTX Technology", "Plandra") {}

bool QtSettingsStore::Contains(const QString& name) const { return settings_.contains(name); }

std::optional<int> QtSettingsStore::Integer(const QString& name) const {
  if (!settings_.contains(name)) return std::nullopt;
  bool ok = false;
  const int value = settings_.value(name).toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<QString> QtSettingsStore::Text(const QString& name) const {
  if (!settings_.contains(name)) return std::nullopt;
  return settings_.value(name).toString();
}

void QtSettingsStore::SetInteger(const QString& name, int value) { settings_.setValue(name, value); }

void QtSettingsStore::SetText(const QString& name, const QString& value) { settings_.setValue(name, value); }
