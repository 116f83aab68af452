#pragma once

#include <QString>
#include <vector>

#include "shell/PageId.h"

// A key the README, the help topics, the tooltips and `prevora --help` name:
// the one list they are written and checked from.
struct DocumentedKey {
  QString keys;               // as people write it: "Ctrl+Shift+S", "Alt+O", "F1", "Esc"
  QString does;               // what it does, in words
  std::vector<PageId> pages;  // the pages it works on
  QString target;             // object name of the command, control, box or tab it reaches there
};

const std::vector<DocumentedKey>& DocumentedKeys();

// The keys as the "Keys:" part of `prevora --help`: one line for each run of
// entries that do the same thing.
QString DocumentedKeysHelp();
