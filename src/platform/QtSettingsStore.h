#pragma once

#include <QSettings>

#include "platform/SettingsStore.h"

// User-scope settings under the organisation and application names the
// program has always used, so an upgrade keeps a user's window and last plan.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();
  bool Contains(const QString& name) const override;
  std::optional<int> Integer(const QString& name) const override;
  std::optional<QString> Text(const QString& name) const override;
  void SetInteger(const QString& name, int value) override;
  void SetText(const QString& name, const QString& value) override;

 private:
  QSettings settings_;
};
