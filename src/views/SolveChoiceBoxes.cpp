#include "views/SolveChoiceBoxes.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include "model/PlanFieldLabels.h"

namespace {

struct NamedLever {
  const char* caption;
  const char* lever;
  const char* person;
};
constexpr NamedLever kNamedLevers[] = {{"Largest yearly spending", "spending", "1"},
                                       {"Earliest retirement, first person", "retire-age", "1"},
                                       {"Earliest retirement, second person", "retire-age", "2"},
                                       {"Earliest retirement, both (gap kept)", "retire-age", "both"},
                                       {"Smallest tax-deferred savings", "savings", "1"}};

// The lever's command-line words, then the person, as the items keep them.
QStringList LeverData(const std::string& lever, const std::string& person) {
  return {QString::fromStdString(lever), QString::fromStdString(person)};
}

}  // namespace

void FillLeverBox(QComboBox& box, bool automatic) {
  box.clear();
  if (automatic) box.addItem("Automatic");
  for (const NamedLever& named : kNamedLevers) box.addItem(named.caption, LeverData(named.lever, named.person));
  std::string error;
  for (const PlanFieldLabel& label : PlanFieldLabels()) {
    const std::string name = std::string("field:") + label.name;
    const std::optional<Lever> lever = ParseLever(name, "1", error);
    if (!lever) continue;
    // The section tells apart the two persons' boxes of the same words.
    const QString page = label.page ? label.page : "";
    const QString where = label.section && *label.section ? QString("%1, %2").arg(page, label.section) : page;
    box.addItem(QString("%1 (%2) %3").arg(QString(label.words).trimmed(), where, label.name), LeverData(name, "1"));
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
  const QStringList data = box.itemData(index).toStringList();
  if (data.size() != 2) {
    error = "choose a lever from the list";
    return std::nullopt;
  }
  return ParseLever(data[0].toStdString(), data[1].toStdString(), error);
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
