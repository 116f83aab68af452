#include "pages/TwoChoiceButtons.h"

#include <QRadioButton>

std::array<QRadioButton*, 2> AddTwoChoiceButtons(QWidget* panel, int left, const std::array<ChoiceButton, 2>& buttons,
                                                 std::function<void(int)> chosen) {
  std::array<QRadioButton*, 2> made{};
  for (std::size_t i = 0; i < made.size(); ++i) {
    auto* button = new QRadioButton(buttons[i].caption, panel);
    button->setObjectName(buttons[i].name);
    button->setGeometry(left, 2 + 20 * static_cast<int>(i), panel->width() - left - 4, 18);
    button->setToolTip(buttons[i].hint);
    const int index = static_cast<int>(i);
    QObject::connect(button, &QRadioButton::toggled, panel, [chosen, index](bool checked) {
      if (checked) chosen(index);
    });
    made[i] = button;
  }
  return made;
}
