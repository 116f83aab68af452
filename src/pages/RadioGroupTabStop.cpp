#include "pages/RadioGroupTabStop.h"

#include <QRadioButton>

void PlaceRadioGroupInTabChain(QWidget* previous, std::span<QRadioButton* const> buttons) {
  for (QRadioButton* button : buttons) {
    const Qt::FocusPolicy policy = button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus;
    button->setFocusPolicy(policy);
  }
  for (QRadioButton* button : buttons) {
    QWidget::setTabOrder(previous, button);
    previous = button;
  }
}
