#include "shell/DeflationSetting.h"

#include "platform/SettingsStore.h"

DeflationRule LoadDeflation(const SettingsStore& store) {
  return store.Text(kDeflationKey).value_or(QString()) == DeflationWord(DeflationRule::Follow) ? DeflationRule::Follow
                                                                                               : DeflationRule::Hold;
}

void SaveDeflation(SettingsStore& store, DeflationRule rule) { store.SetText(kDeflationKey, DeflationWord(rule)); }
