#include "shell/DollarViewSetting.h"

#include "platform/SettingsStore.h"

bool LoadDollarView(const SettingsStore& store) { return store.Text(kDollarViewKey).value_or(QString()) == "true"; }

void SaveDollarView(SettingsStore& store, bool currentDollars) {
  store.SetText(kDollarViewKey, currentDollars ? "true" : "false");
}
