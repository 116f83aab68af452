#include "views/SolveChoiceBoxes.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include "model/PlanFieldLabels.h"

namespace {

struct NamedLever {
  const char* caption;
  Lever lever;
};
const NamedLever kNamedLevers[] = {
    {"Largest yearly spending", SpendingLever()},
    {"Earliest retirement, first person", RetireAgeLever(LeverPerson::First)},
    {"Earliest retirement, second person", RetireAgeLever(LeverPerson::Second)},
    {"Earliest retirement, both (gap kept)", RetireAgeLever(LeverPerson::Both)},
    {"Smallest tax-deferred savings", SavingsLever()},
    {"Social Security claiming age, first person", ClaimAgeLever(LeverPerson::First)},
    {"Social Security claiming age, second person", ClaimAgeLever(LeverPerson::Second)},
    {"Social Security claiming ages, both (gap kept)", ClaimAgeLever(LeverPerson::Both)}};

// The lever's kind, person and line, as the items keep them.
QVariantList LeverData(const Lever& lever) {
  return {static_cast<int>(lever.kind), static_cast<int>(lever.person), lever.line};
}

}  // namespace

void FillLeverBox(QComboBox& box, bool automatic) {
  box.clear();
  if (automatic) box.addItem("Automatic");
  for (const NamedLever& named : kNamedLevers) box.addItem(named.caption, LeverData(named.lever));
  std::string error;
  for (const PlanFieldLabel& label : PlanFieldLabels()) {
    const std::optional<Lever> lever = FieldLever(label.name, error);
    if (!lever) continue;
    // The section tells apart the two persons' boxes of the same words.
    const QString page = label.page ? label.page : "";
    const QString where = label.section && *label.section ? QString("%1, %2").arg(page, label.section) : page;
    box.addItem(QString("%1 (%2) %3").arg(QString(label.words).trimmed(), where, label.name), LeverData(*lever));
  }
  // The long captions of the inputs must not push the form's words aside.
  box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box.setMinimumContentsLength(16);
  box.setEditable(true);
  box.setInsertPolicy(QComboBox::NoInsert);
  box.completer()->setFilterMode(Qt::MatchContains);
  box.completer()->setCompletionMode(QCompleter::PopupCompletion);
  box.completer()->setCaseSensitivity(Qt::CaseInsensitive);
  // A chosen caption shows from its start, where its words are.
  QLineEdit* edit = box.lineEdit();
  edit->setAccessibleName(box.accessibleName());
  QObject::connect(&box, &QComboBox::currentIndexChanged, edit, [edit] { edit->setCursorPosition(0); });
}

std::optional<Lever> LeverOfBox(const QComboBox& box, std::string& error) {
  // Typed words stand for an item only when they are its whole caption.
  int index = box.currentIndex();
  if (index < 0 || box.itemText(index) != box.currentText()) index = box.findText(box.currentText());
  if (index < 0) {
    error = "no lever is called \"" + box.currentText().toStdString() + "\"; choose one from the list";
    return std::nullopt;
  }
  const QVariantList data = box.itemData(index).toList();
  if (data.size() != 3) {
    error = "choose a lever from the list";
    return std::nullopt;
  }
  return Lever{static_cast<LeverKind>(data[0].toInt()), static_cast<LeverPerson>(data[1].toInt()), data[2].toInt()};
}

void FillMetricBox(QComboBox& box) {
  box.clear();
  for (const bool summed : {false, true}) {
    for (const ForecastColumn& column : kForecastColumns) {
      const QString name = QString(column.name) + (summed ? ":sum" : ":last");
      box.addItem(QString("%1, %2").arg(column.name, summed ? "all years summed" : "last year"), name);
    }
  }
  box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box.setMinimumContentsLength(16);
  box.setCurrentIndex(box.findData(QString::fromStdString(MetricName(DefaultMetric()))));
}

ComparisonMetric MetricOfBox(const QComboBox& box) {
  return ParseMetric(box.currentData().toString().toStdString()).value_or(DefaultMetric());
}

std::optional<FrontierRequest> FrontierOfForm(const QComboBox& along, const QLineEdit& from, const QLineEdit& to,
                                              const SolveRequest& solve, const PlanRecord& plan, std::string& error) {
  const bool automatic = along.currentIndex() == 0 && along.currentText() == along.itemText(0);
  const std::optional<Lever> lever = automatic ? DefaultFrontierLever(solve.lever) : LeverOfBox(along, error);
  if (!lever) return std::nullopt;
  FrontierRequest request = DefaultFrontierRange(*lever, plan);
  request.solve = solve;
  bool typed = false;
  for (const auto& [box, value] : {std::pair{&from, &request.from}, std::pair{&to, &request.to}}) {
    const std::string text = box->text().trimmed().toStdString();
    if (text.empty()) continue;
    const std::optional<std::int64_t> number = ParseLeverValue(*lever, text);
    if (!number) {
      error = "\"" + text + "\" is not a value of " + LeverWords(*lever);
      return std::nullopt;
    }
    *value = *number;
    typed = true;
  }
  if (typed) request.step = FrontierStep(request.from, request.to);
  error = FrontierProblem(plan, request);
  if (!error.empty()) return std::nullopt;
  return request;
}
