#pragma once

#include <QString>
#include <optional>

// The persistent key-value store for window geometry and the last plan path.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual bool Contains(const QString& name) const = 0;
  virtual std::optional<int> Integer(const QString& name) const = 0;
  virtual std::optional<QString> Text(const QString& name) const = 0;
  virtual void SetInteger(const QString& name, int value) = 0;
  virtual void SetText(const QString& name, const QString& value) = 0;
  // Why nothing read or written is kept from one run to the next, ready to
  // show; empty when the store works.
  virtual QString Problem() const { return {}; }
};
