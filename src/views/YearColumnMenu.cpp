#include "views/YearColumnMenu.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "engine/ExplainTrace.h"
#include "engine/Explanation.h"
#include "engine/ForecastColumns.h"
#include "views/YearColumns.h"

namespace {

constexpr const char* kFieldProperty = "yearField";

// Another year table may have changed the choice since the menu was last open.
void ShowRemembered(QMenu& menu, const SettingsStore& settings) {
  const std::vector<YearField> chosen = RememberedYearFields(settings);
  for (QAction* action : menu.actions()) {
    const YearField field = kForecastColumns[action->property(kFieldProperty).toUInt()].field;
    action->setChecked(std::find(chosen.begin(), chosen.end(), field) != chosen.end());
  }
}

}  // namespace

QMenu* NewYearColumnMenu(QWidget* parent, SettingsStore& settings, std::function<void()> changed) {
  auto* menu = new QMenu("Co&lumns", parent);
  menu->setObjectName("ColumnsMenu");
  for (const YearField field : ChoosableYearFields()) {
    const int slot = SlotOf(field);
    QAction* action = menu->addAction(QString::fromStdString(FieldTitle(slot)));
    action->setObjectName(QString("Column%1").arg(kForecastColumns[static_cast<std::size_t>(slot)].name));
    action->setCheckable(true);
    action->setProperty(kFieldProperty, slot);
    QObject::connect(action, &QAction::triggered, menu, [menu, &settings, changed] {
      std::vector<YearField> chosen;
      for (QAction* item : menu->actions()) {
        if (item->isChecked()) chosen.push_back(kForecastColumns[item->property(kFieldProperty).toUInt()].field);
      }
      RememberYearFields(settings, chosen);
      changed();
    });
  }
  ShowRemembered(*menu, settings);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &settings] { ShowRemembered(*menu, settings); });
  return menu;
}
