#pragma once

#include "platform/Desktop.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

// The desktop services a page may use, bundled so pages take one reference.
struct Platform {
  Prompts& prompts;
  SettingsStore& settings;
  Desktop& desktop;
};
