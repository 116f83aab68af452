#pragma once

#include <QString>

// Clipboard, the desktop's default handlers and the help viewer.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void SetClipboardText(const QString& text) = 0;
  // Opens a local document with the desktop's handler; false when nothing opened it.
  virtual bool OpenDocument(const QString& path) = 0;
  virtual bool OpenAddress(const QString& address) = 0;
  // Shows help topic `context` (0 is the contents).
  virtual void ShowHelpTopic(int context) = 0;
};
