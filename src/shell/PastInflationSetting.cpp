#include "shell/PastInflationSetting.h"

#include "platform/SettingsStore.h"

PastInflationRule LoadPastInflation(const SettingsStore& store) {
  return store.Text(kPastInflationKey).value_or(QString()) == "plan" ? PastInflationRule::Plan
                                                                      : PastInflationRule::Recorded;
}

void SavePastInflation(SettingsStore& store, PastInflationRule rule) {
  store.SetText(kPastInflationKey, rule == PastInflationRule::Plan ? "plan" : "recorded");
}
