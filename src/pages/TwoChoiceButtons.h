#pragma once

#include <array>
#include <functional>

class QRadioButton;
class QWidget;

// One of the two radio buttons of a program setting a page offers.
struct ChoiceButton {
  const char* name;  // object name
  const char* caption;
  const char* hint;  // tooltip
};

// The two buttons one under the other at `left` in `panel`, 18 pixels high
// from the top; `chosen` hears the index of the button checked.
std::array<QRadioButton*, 2> AddTwoChoiceButtons(QWidget* panel, int left, const std::array<ChoiceButton, 2>& buttons,
                                                 std::function<void(int)> chosen);
