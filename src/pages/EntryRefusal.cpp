#include "pages/EntryRefusal.h"

#include <limits>

#include "model/NumberFormat.h"
#include "model/RateRange.h"

namespace {

bool IsCountingField(const PlanField& field) {
  return std::holds_alternative<std::int32_t PlanRecord::*>(field) ||
         std::holds_alternative<std::int64_t PlanRecord::*>(field);
}

template <class Int>
QString AtMost(bool money) {
  const QString dollars = QString::fromStdString(FormatDollars(std::numeric_limits<Int>::max()));
  return "At most " + (money ? dollars : dollars.mid(1)) + ".";
}

QString CountingRefusal(const QString& text, const PlanField& field, bool money) {
  QString rest = text;
  rest.remove(' ').remove(',').remove('$').remove('+');
  // U+2212 is the minus sign a word processor or a web page puts in a pasted number.
  if (rest.contains('-') || rest.contains('(') || rest.contains(')') || rest.contains(QChar(0x2212)))
    return money ? "No negative amounts." : "No negative numbers.";
  if (rest.contains('.')) return money ? "Whole dollars only." : "Whole numbers only.";
  for (const QChar c : rest) {
    if (c < '0' || c > '9') return money ? "Digits only, with commas and a $ sign if you like." : "Digits only.";
  }
  return std::holds_alternative<std::int32_t PlanRecord::*>(field) ? AtMost<std::int32_t>(money)
                                                                   : AtMost<std::int64_t>(money);
}

}  // namespace

QString EntryRefusal(const QString& text, const PlanField& field, EntryKind kind) {
  PlanRecord scratch;
  bool blank = false;
  if (ParseEntry(text, scratch, field, blank) == 0) return {};
  if (IsCountingField(field)) return CountingRefusal(text, field, kind == EntryKind::Dollars);
  long double rate = 0.0L;
  std::int32_t errorCode = 0;
  ParseDecimalEntry(text.toStdString(), rate, errorCode);
  if (errorCode == 0) return QString::fromStdString("Rates are " + RateRangeText() + ".");
  return "A number only, such as 2.5, -1.25 or (1.5).";
}
