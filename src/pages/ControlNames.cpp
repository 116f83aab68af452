#include "pages/ControlNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/PlanFieldLabels.h"

namespace {

// Marks a name this unit gave, so the next run may replace it.
const char* const kNamedFromLabel = "nameFromLabel";

// Text a control shows that could label its neighbour.
QString CaptionOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
  return {};
}

// The words of the nearest label left of `control` whose height spans the
// control's middle.
QString RowLabelWords(QWidget* content, QWidget* control) {
  const QRect box(control->mapTo(content, QPoint(0, 0)), control->size());
  const int middle = box.center().y();
  QString words;
  int nearestRight = -1;
  for (QWidget* other : content->findChildren<QWidget*>()) {
    if (other == control || !other->isVisibleTo(content)) continue;
    const QString text = LabelWords(CaptionOf(other));
    if (text.isEmpty()) continue;
    const QRect place(other->mapTo(content, QPoint(0, 0)), other->size());
    if (place.right() > box.left() + 2 || middle < place.top() - 3 || middle > place.bottom() + 3) continue;
    if (place.right() > nearestRight) {
      nearestRight = place.right();
      words = text;
    }
  }
  return words;
}

bool NeedsName(const QWidget* control) {
  if (control->accessibleName().isEmpty()) return true;
  return control->property(kNamedFromLabel).toBool();
}

}  // namespace

QString LabelWords(const QString& caption) {
  QString words;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    words += caption[i];
  }
  words = words.simplified();
  while (!words.isEmpty() && (words.back() == '.' || words.back() == ':' || words.back() == ' ')) words.chop(1);
  return words;
}

void NameControlsFromLabels(QWidget* content) {
  for (QWidget* control : content->findChildren<QWidget*>()) {
    const bool box = qobject_cast<QLineEdit*>(control) != nullptr || qobject_cast<QComboBox*>(control) != nullptr;
    const bool choice = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control);
    if (!box && !choice) continue;
    // A check box or radio button with words of its own is read by them.
    if (choice && !static_cast<QAbstractButton*>(control)->text().isEmpty()) continue;
    if (!NeedsName(control)) continue;
    QString words = RowLabelWords(content, control);
    if (words.isEmpty()) words = LabelWords(control->toolTip());
    control->setAccessibleName(words);
    control->setProperty(kNamedFromLabel, true);
  }
}

QString BoxName(const PlanField& field) {
  return std::visit(
      [](auto member) -> QString {
        if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
          for (const PlanFieldLabel& label : PlanFieldLabels()) {
            const auto* same = std::get_if<decltype(member)>(&label.field);
            if (same && *same == member) return QString::fromLatin1(label.name);
          }
        }
        return {};
      },
      field);
}

QString LabelName(const PlanField& field) { return BoxName(field) + "Label"; }
