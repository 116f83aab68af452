#include "views/SolveAnswerPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "views/SolveAnswerText.h"

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
  const SolveAnswerText text = DescribeAnswer(plan, request, result);
  answer_->setText(Text(text.answer));
  proof_->setText(Text(text.proof));
  QStringList details;
  for (const std::string& line : text.details) details << Text(line);
  details_->setText(details.join("\n"));
}

void SolveAnswerPanel::AddNote(const QString& note) { proof_->setText(proof_->text() + "\n" + note); }
