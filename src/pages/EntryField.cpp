#include "pages/EntryField.h"

#include "model/NumberFormat.h"
#include "model/RateRange.h"

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

int DecimalsOf(EntryKind kind) { return kind == EntryKind::Decimal1 ? 1 : 2; }

}  // namespace

QString FormatEntry(const PlanRecord& plan, const PlanField& field, EntryKind kind) {
  return std::visit(
      Overloaded{
          [](std::monostate) { return QString(); },
          [&](std::int32_t PlanRecord::*member) {
            const std::int32_t value = plan.*member;
            return kind == EntryKind::Dollars ? QString::fromStdString(FormatDollars(value)) : QString::number(value);
          },
          [&](std::int64_t PlanRecord::*member) {
            const std::int64_t value = plan.*member;
            return kind == EntryKind::Dollars ? QString::fromStdString(FormatDollars(value)) : QString::number(value);
          },
          [&](long double PlanRecord::*member) {
            return QString::fromStdString(FormatDecimal(plan.*member, DecimalsOf(kind)));
          },
          [&](std::string PlanRecord::*member) { return QString::fromStdString(plan.*member); },
      },
      field);
}

std::int32_t ParseEntry(const QString& text, PlanRecord& plan, const PlanField& field, bool& blank) {
  const std::string entry = text.toStdString();
  std::int32_t errorCode = 0;
  std::visit(Overloaded{
                 [](std::monostate) {},
                 [&](std::int32_t PlanRecord::*member) {
                   if (ParseWholeEntry(entry, plan.*member, errorCode)) blank = true;
                 },
                 [&](std::int64_t PlanRecord::*member) {
                   if (ParseDollarEntry(entry, plan.*member, errorCode)) blank = true;
                 },
                 [&](long double PlanRecord::*member) {
                   // Every decimal field is a rate: one outside the range is refused, not stored.
                   long double rate = plan.*member;
                   if (ParseDecimalEntry(entry, rate, errorCode)) blank = true;
                   if (errorCode == 0 && !RateInRange(rate)) errorCode = 1;
                   if (errorCode == 0) plan.*member = rate;
                 },
                 [&](std::string PlanRecord::*member) { plan.*member = entry; },
             },
             field);
  return errorCode;
}

void ClearField(PlanRecord& plan, const PlanField& field) {
  std::visit(Overloaded{[](std::monostate) {}, [&plan](auto member) { plan.*member = {}; }}, field);
}
