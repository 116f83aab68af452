#include "views/SolveChartsPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "model/NumberFormat.h"
#include "model/PlanFieldLabels.h"
#include "views/ChartView.h"

namespace {

constexpr int kShownBars = 15;
constexpr int kNamedGaps = 3;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The lever's value as a chart holds it: percent levers in points.
double Number(const Lever& lever, std::int64_t value) {
  return UnitOf(lever) == LeverUnit::Percent ? value / 100.0 : static_cast<double>(value);
}

std::function<QString(double)> ValueText(const Lever& lever) {
  return [lever](double value) {
    const double whole = UnitOf(lever) == LeverUnit::Percent ? value * 100.0 : value;
    return Text(LeverValueText(lever, std::llround(whole)));
  };
}

QString Signed(const QString& text, double change) { return (change > 0 ? "+" : "") + text; }

}  // namespace

SolveChartsPanel::SolveChartsPanel(QWidget* parent)
    : QWidget(parent),
      frontierChart_(new ChartView),
      frontierNote_(new QLabel),
      frontierReadout_(new QLabel),
      sensitivityChart_(new ChartView) {
  frontierChart_->setObjectName("SolveFrontierChart");
  frontierChart_->setAccessibleName("Frontier chart");
  frontierChart_->setMinimumHeight(200);
  frontierChart_->setFocusPolicy(Qt::StrongFocus);
  frontierChart_->setMouseTracking(true);
  frontierChart_->setToolTip("Point at a dot, or press Left and Right, to read its values.");
  frontierChart_->installEventFilter(this);
  frontierNote_->setObjectName("SolveFrontierNote");
  frontierNote_->setAccessibleName("Points with no answer");
  frontierReadout_->setObjectName("SolveFrontierReadout");
  frontierReadout_->setAccessibleName("Frontier point");
  for (QLabel* label : {frontierNote_, frontierReadout_}) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  sensitivityChart_->setObjectName("SolveSensitivityChart");
  sensitivityChart_->setAccessibleName("Sensitivity chart: the inputs that matter most");
  sensitivityChart_->setFocusPolicy(Qt::StrongFocus);
  sensitivityChart_->setToolTip("Up and Down choose an input, Enter opens its page; a click does both.");
  sensitivityChart_->installEventFilter(this);
  auto* scroll = new QScrollArea;
  scroll->setWidget(sensitivityChart_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(220);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frontierChart_, 2);
  layout->addWidget(frontierReadout_);
  layout->addWidget(frontierNote_);
  layout->addWidget(scroll, 3);
  Clear({});
}

void SolveChartsPanel::ShowFrontier(const FrontierRequest& request, const FrontierResult& frontier) {
  points_.clear();
  planPoint_.reset();
  QStringList gaps;
  int unanswered = 0;
  const auto alongText = ValueText(request.along);
  for (const FrontierPoint& point : frontier.points) {
    if (point.result.status != SolveStatus::Solved) {
      if (++unanswered <= kNamedGaps) {
        gaps << QString("At %1: %2.").arg(alongText(Number(request.along, point.value)), Text(point.result.reason));
      }
      continue;
    }
    const FrontierChartPoint shown{Number(request.along, point.value),
                                   Number(request.solve.lever, point.result.answer.value)};
    points_.push_back(shown);
    if (point.value == frontier.planValue) planPoint_ = shown;
  }
  if (unanswered > kNamedGaps) gaps << QString("%1 more points have no answer.").arg(unanswered - kNamedGaps);
  if (!gaps.isEmpty()) gaps.prepend(QString("%1 of %2 points have no answer:").arg(unanswered).arg(frontier.points.size()));
  frontierNote_->setText(gaps.join("\n"));
  frontierNote_->setVisible(!gaps.isEmpty());
  axes_ = {Text(LeverWords(request.along)), Text(LeverWords(request.solve.lever)), alongText,
           ValueText(request.solve.lever)};
  frontierChart_->setAccessibleDescription(
      QString("%1 against %2, %3 points").arg(axes_.solvedName, axes_.alongName).arg(points_.size()));
  SelectPoint(-1);
}

void SolveChartsPanel::ShowSensitivity(const SensitivityRequest& request, const SensitivityResult& result) {
  bars_.clear();
  barLines_.clear();
  changeText_ = [odds = request.odds.has_value()](double change) {
    if (odds) return QString::number(change, 'f', 2) + " pt";
    return Text(FormatDollars(std::llround(change)));
  };
  for (const SensitivityRow& row : result.rows) {
    if (static_cast<int>(bars_.size()) == kShownBars || row.Swing() == 0.0) break;
    const PlanFieldLabel& label = PlanFieldLabels()[static_cast<std::size_t>(row.input.line)];
    // The section tells apart the two persons' boxes of the same words.
    const QString where = *label.section ? label.section : label.page;
    const QString detail = QString("at %1; down to %2: %3; up to %4: %5")
                               .arg(Text(LeverValueText(row.input, row.value)), Text(LeverValueText(row.input, row.down)),
                                    Signed(changeText_(row.changeDown), row.changeDown),
                                    Text(LeverValueText(row.input, row.up)), Signed(changeText_(row.changeUp), row.changeUp));
    bars_.push_back({QString("%1 (%2)").arg(QString(label.words).trimmed(), where), detail, row.changeDown, row.changeUp});
    barLines_.push_back(row.input.line);
  }
  sensitivityChart_->setMinimumHeight(static_cast<int>(bars_.size()) * kSensitivityRowHeight + 24);
  SelectBar(bars_.empty() ? -1 : 0);
}

void SolveChartsPanel::Clear(const QString& why) {
  ClearFrontier(why);
  bars_.clear();
  barLines_.clear();
  sensitivityChart_->setMinimumHeight(0);
  SelectBar(-1);
}

void SolveChartsPanel::ClearFrontier(const QString& why) {
  points_.clear();
  planPoint_.reset();
  frontierNote_->setText(why);
  frontierNote_->setVisible(!why.isEmpty());
  frontierChart_->setAccessibleDescription({});
  SelectPoint(-1);
}

QString SolveChartsPanel::FrontierNote() const { return frontierNote_->text(); }

ReportDrawing SolveChartsPanel::FrontierDrawing() const {
  return {QSize(720, 300), [points = points_, plan = planPoint_, axes = axes_](QPainter& painter, const QRect& area) {
            DrawFrontierChart(painter, area, points, plan, axes, -1);
          }};
}

ReportDrawing SolveChartsPanel::SensitivityDrawing() const {
  return {QSize(720, static_cast<int>(bars_.size()) * kSensitivityRowHeight + 24),
          [bars = bars_, text = changeText_](QPainter& painter, const QRect& area) {
            DrawSensitivityBars(painter, area, bars, -1, text);
          }};
}

void SolveChartsPanel::DrawFrontier() {
  frontierChart_->SetDrawer([points = points_, plan = planPoint_, axes = axes_, selected = selectedPoint_](
                                QPainter& painter, const QRect& area) {
    DrawFrontierChart(painter, area.adjusted(0, 0, -1, -1), points, plan, axes, selected);
  });
}

void SolveChartsPanel::SelectPoint(int point) {
  selectedPoint_ = point;
  frontierReadout_->clear();
  if (point >= 0 && point < static_cast<int>(points_.size())) {
    const FrontierChartPoint& shown = points_[static_cast<std::size_t>(point)];
    frontierReadout_->setText(QString("%1 %2: %3 %4")
                                  .arg(axes_.alongName, axes_.alongText(shown.along), axes_.solvedName,
                                       axes_.solvedText(shown.solved)));
  }
  frontierReadout_->setVisible(!frontierReadout_->text().isEmpty());
  DrawFrontier();
}

void SolveChartsPanel::SelectBar(int bar) {
  selectedBar_ = bar;
  sensitivityChart_->SetDrawer([bars = bars_, bar, text = changeText_](QPainter& painter, const QRect& area) {
    DrawSensitivityBars(painter, area.adjusted(0, 0, -1, -1), bars, bar, text);
  });
  sensitivityChart_->setAccessibleDescription(
      bar >= 0 ? bars_[static_cast<std::size_t>(bar)].label + ". " + bars_[static_cast<std::size_t>(bar)].detail
               : QString());
}

void SolveChartsPanel::ChooseBar(int bar) {
  if (bar < 0 || bar >= static_cast<int>(barLines_.size())) return;
  SelectBar(bar);
  emit InputChosen(barLines_[static_cast<std::size_t>(bar)]);
}

bool SolveChartsPanel::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress;
  const int pressed = key ? static_cast<QKeyEvent*>(event)->key() : 0;
  if (watched == frontierChart_ && !points_.empty()) {
    if (event->type() == QEvent::MouseMove) {
      SelectPoint(FrontierPointAt(frontierChart_->rect(), points_, static_cast<QMouseEvent*>(event)->pos().x()));
      return false;
    }
    if (pressed == Qt::Key_Left || pressed == Qt::Key_Right) {
      const int last = static_cast<int>(points_.size()) - 1;
      SelectPoint(selectedPoint_ < 0 ? 0 : std::clamp(selectedPoint_ + (pressed == Qt::Key_Right ? 1 : -1), 0, last));
      return true;
    }
  }
  if (watched == sensitivityChart_ && !bars_.empty()) {
    if (event->type() == QEvent::MouseButtonRelease) {
      ChooseBar(SensitivityBarAt(sensitivityChart_->rect(), static_cast<int>(bars_.size()),
                                 static_cast<QMouseEvent*>(event)->pos().y()));
      return true;
    }
    const int last = static_cast<int>(bars_.size()) - 1;
    if (pressed == Qt::Key_Up || pressed == Qt::Key_Down) {
      SelectBar(std::clamp(selectedBar_ + (pressed == Qt::Key_Down ? 1 : -1), 0, last));
      return true;
    }
    if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
      ChooseBar(selectedBar_);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
