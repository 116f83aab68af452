#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

// Figures that are allowed but look mistyped, each as a sentence, shown
// before a page is left. A set once accepted is not asked about again while
// it stays the same; a new warning shows again.
class OnceWarnings {
 public:
  // `ask` shows the notice and returns true when the user keeps the figures.
  // True to leave: nothing new to warn of, or the figures were kept.
  bool Confirm(const std::vector<std::string>& warnings, const std::function<bool(const QString&)>& ask);

 private:
  std::vector<std::string> accepted_;
};

// The notice: the warnings and the choice between keeping the figures (Yes)
// and staying to correct them (No).
std::string CheckFiguresNotice(const std::vector<std::string>& warnings);
