#include "views/SolveInputPages.h"

#include <cstring>
#include <utility>

#include "model/PlanFieldLabels.h"

std::optional<PageId> PageOfField(int line) {
  // The page names as the field catalogue spells them.
  static const std::pair<const char*, PageId> kPages[] = {
      {"Personal Data Page", PageId::Personal},
      {"Expense Summary Page", PageId::ExpenseSummary},
      {"Income Page", PageId::Income},
      {"Asset Page", PageId::Assets},
      {"FICA Income Tax Page", PageId::Taxes},
      {"Assumptions Page", PageId::Assumptions},
      {"Home Expense Page", PageId::HomeExpenses},
      {"Automobile Expense Page", PageId::AutoExpenses},
      {"Medical Expense Page", PageId::MedicalExpenses},
      {"Communication Expense Page", PageId::CommunicationExpenses},
      {"Entertainment Gift Expense Page", PageId::EntertainmentExpenses},
      {"Food Personal Expense Page", PageId::FoodExpenses},
      {"Education Expense Page", PageId::Education},
      {"Special Events and Other", PageId::SpecialEvents},
      {"Assets - Home Status Page", PageId::HomeStatus},
  };
  if (line < 0 || line >= kPlanFieldCount) return std::nullopt;
  const char* page = PlanFieldLabels()[static_cast<std::size_t>(line)].page;
  for (const auto& [name, id] : kPages) {
    if (std::strcmp(name, page) == 0) return id;
  }
  return std::nullopt;
}
