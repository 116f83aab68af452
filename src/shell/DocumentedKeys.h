#pragma once

#include <QString>
#include <vector>

#include "shell/PageId.h"

class Page;
class QObject;
class QShortcut;
class QWidget;

// The keys table is read off the pages themselves: each command, shortcut,
// button or tab that a key reaches carries what the key does, in words, and
// the README, the help topics, the tooltips and `prevora --help` are written
// and checked from what the pages bind.

// Says what the key of `binding` does: the shortcuts of a command or a
// shortcut, or the mnemonic of the caption of a command, button or tab page
// that has no shortcut of its own.
void DescribeKey(QObject* binding, const QString& does);
// A shortcut that works on a control of the page: the table names the control.
void DescribeKey(QShortcut* shortcut, const QString& does, QWidget* control);

struct DocumentedKey {
  QString keys;               // as people write it: "Ctrl+Shift+S", "Alt+O", "F1", "Esc"
  QString does;               // what it does, in words; empty for a key bound without words
  std::vector<PageId> pages;  // the pages it works on
  QString target;             // object name of the command, control, box or tab it reaches there
};

// Every key the pages bind, in the order first met; a key doing the same to
// the same target on several pages is one entry.
std::vector<DocumentedKey> DocumentedKeys(const std::vector<const Page*>& pages);

// The keys as the "Keys:" part of `prevora --help`: one line for each run of
// entries that do the same thing.
QString DocumentedKeysHelp(const std::vector<DocumentedKey>& keys);
