#include "views/SolveAnswerPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "solve/SolveAdvice.h"
#include "solve/SolveSummary.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* Label(const QString& name, const QString& accessibleName) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setAccessibleName(accessibleName);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

SolveAnswerPanel::SolveAnswerPanel(QWidget* parent)
    : QWidget(parent),
      answer_(Label("SolveAnswer", "Answer")),
      proof_(Label("SolveProof", "Proof")),
      details_(Label("SolveDetails", "At the answer")) {
  QFont large = answer_->font();
  large.setPointSizeF(large.pointSizeF() * 1.8);
  large.setBold(true);
  answer_->setFont(large);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(answer_);
  layout->addWidget(proof_);
  layout->addWidget(details_);
}

void SolveAnswerPanel::ShowPrompt(const QString& prompt) {
  answer_->setText(prompt);
  proof_->clear();
  details_->clear();
}

void SolveAnswerPanel::ShowSearching() { ShowPrompt("Searching..."); }

void SolveAnswerPanel::ShowResult(const PlanRecord& plan, const SolveRequest& request, const SolveResult& result) {
  QStringList details;
  if (result.status == SolveStatus::Solved) {
    answer_->setText(Text(AnswerLine(request, result)));
    proof_->setText("Target: " + Text(TargetLine(request)) + ".\nProof: " + Text(ProofLine(request, result)) + ".");
    // With odds too, the plan's own rates show where the answer leaves it.
    details << QString("At the answer%1: %2.")
                   .arg(request.odds ? ", on the plan's own rates" : "",
                        Text(ForecastSummary(request, plan, result.answer.value)));
    const std::string warning = ContributionLimitWarning(plan, request.lever, result.answer.value);
    if (!warning.empty()) details << Text(warning) + ".";
  } else {
    answer_->setText("No answer");
    proof_->setText("Target: " + Text(TargetLine(request)) + ".\n" + Text(result.reason) + ".");
    const std::string proposal = MeaningfulTargetWords(plan, request, result);
    if (!proposal.empty()) details << Text(proposal) + ". The target boxes now ask for it: press Run.";
  }
  const std::string explanation = LeverExplanation(request.lever);
  if (!explanation.empty()) details << Text(explanation);
  details_->setText(details.join("\n"));
}

void SolveAnswerPanel::AddNote(const QString& note) { proof_->setText(proof_->text() + "\n" + note); }
