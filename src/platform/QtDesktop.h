#pragma once

#include <functional>

#include "platform/Desktop.h"

class QtDesktop : public Desktop {
 public:
  using HelpHandler = std::function<void(int)>;

  void SetClipboardText(const QString& text) override;
  bool OpenDocument(const QString& path) override;
  bool OpenAddress(const QString& address) override;
  void ShowHelpTopic(int context) override;

  // The in-program help window is installed by the application once it exists.
  void SetHelpHandler(HelpHandler handler) { helpHandler_ = std::move(handler); }

 private:
  HelpHandler helpHandler_;
};
