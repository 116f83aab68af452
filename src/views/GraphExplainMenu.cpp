#include "views/GraphExplainMenu.h"

#include <QMenu>
#include <vector>

#include "engine/Explanation.h"
#include "engine/ForecastColumns.h"
#include "render/GraphPointPick.h"
#include "shell/Session.h"
#include "views/ExplainCommands.h"

namespace {

// The year-table fields a curve shows, in the order its value adds them.
std::vector<std::int64_t YearRecord::*> FieldsOfCurve(int curve) {
  switch (curve) {
    case 1:
      return {&YearRecord::NetWorth};
    case 2:
      return {&YearRecord::TaxDeferred, &YearRecord::TaxableInvest};
    case 3:
      return {&YearRecord::HomeEquity};
    case 4:
      return {&YearRecord::OtherDebt};
    case 5:
      return {&YearRecord::Expenses};
    case 6:
      return {&YearRecord::Income};
    case 7:
      return {&YearRecord::IncomeTaxes, &YearRecord::PropertyTax};
    case 8:
      return {&YearRecord::Distribution};
    default:
      return {};
  }
}

}  // namespace

QMenu* ShowGraphExplainMenu(QWidget* picture, QPoint at, const Session& session, Platform& platform,
                            const GraphParameters& drawing) {
  const std::optional<CurvePoint> point = NearestCurvePoint(drawing.frame, drawing.scales, drawing.curveOrder,
                                                            session.plan, session.table, session.CurveShown, at);
  if (!point) return nullptr;
  auto* menu = new QMenu(picture);
  menu->setObjectName("WhyThisNumberMenu");
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const int year = session.plan.CurrentYear + point->yearIndex;
  for (const auto field : FieldsOfCurve(point->curve)) {
    const auto slot = static_cast<int>(&ForecastColumnOf(field) - kForecastColumns.data());
    const QString words = QString("Why this number? %1 %2").arg(QString::fromStdString(FieldTitle(slot))).arg(year);
    menu->addAction(words, picture, [picture, &session, &platform, field, point] {
      OpenExplanation(picture, session, platform, field, point->yearIndex + 1, [](const QString&, int) {});
    });
  }
  menu->popup(picture->mapToGlobal(at));
  return menu;
}
