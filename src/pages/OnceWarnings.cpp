#include "pages/OnceWarnings.h"

#include <algorithm>

bool OnceWarnings::Confirm(const std::vector<std::string>& warnings, const std::function<bool(const QString&)>& ask) {
  std::vector<std::string> fresh;
  for (const std::string& warning : warnings) {
    if (std::find(accepted_.begin(), accepted_.end(), warning) == accepted_.end()) fresh.push_back(warning);
  }
  if (!fresh.empty() && !ask(QString::fromStdString(CheckFiguresNotice(fresh)))) return false;
  accepted_ = warnings;
  return true;
}

std::string CheckFiguresNotice(const std::vector<std::string>& warnings) {
  std::string text = "Please check these figures:\n";
  for (const std::string& warning : warnings) text += "  " + warning + "\n";
  return text + "\nLeave the page with these figures?\nNo keeps you on the page to correct them.";
}
