#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRegularExpression>

#include "model/PlanFieldLabels.h"
#include "pages/ControlNames.h"
#include "support/TestProgram.h"

namespace {

// A box is found by the field it edits and a command by what it does, on
// every page; no control keeps a name made of a kind and a number.
TEST(ControlNamesTest, BoxesCarryTheirFieldsNamesAndNoControlANumberedName) {
  TestProgram program;
  program.session.plan.SecondPerson = true;
  const QRegularExpression numbered("^(Edit|Label|Button|CheckBox|RadioButton|Memo|Panel|GroupBox|Image|N)\\d+$");
  int boxes = 0;
  for (int n = 0; n <= static_cast<int>(PageId::Odds); ++n) {
    const auto id = static_cast<PageId>(n);
    if (!program.PageAt(id)) continue;
    if (program.Current()->Id() == PageId::About) program.Trigger("Return");
    program.Open(id);
    if (program.Current()->Id() != id) continue;
    for (const QObject* object : program.Current()->findChildren<QObject*>()) {
      EXPECT_FALSE(numbered.match(object->objectName()).hasMatch())
          << "page " << id << ": " << object->objectName().toStdString();
    }
    // The home status rows change fields with the situation: named by row.
    if (id == PageId::HomeStatus) continue;
    for (const PlanFieldLabel& label : PlanFieldLabels()) {
      const PlanField field = std::visit(
          [](auto member) -> PlanField {
            if constexpr (std::is_constructible_v<PlanField, decltype(member)>) {
              return member;
            } else {
              return std::monostate{};
            }
          },
          label.field);
      const QLineEdit* box = std::holds_alternative<std::monostate>(field) ? nullptr : program.Box(field);
      if (!box) continue;
      EXPECT_EQ(box->objectName(), QString(label.name)) << "page " << id;
      EXPECT_EQ(BoxName(field), QString(label.name));
      ++boxes;
    }
  }
  EXPECT_GT(boxes, 150);
}

}  // namespace
