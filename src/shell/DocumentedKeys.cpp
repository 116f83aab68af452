#include "shell/DocumentedKeys.h"

namespace {

using P = PageId;

const std::vector<PageId> kDataPages = {
    P::Personal,
    P::Assets,
    P::HomeStatus,
    P::Income,
    P::Taxes,
    P::ExpenseSummary,
    P::HomeExpenses,
    P::AutoExpenses,
    P::MedicalExpenses,
    P::CommunicationExpenses,
    P::EntertainmentExpenses,
    P::FoodExpenses,
    P::Education,
    P::SpecialEvents,
    P::Assumptions,
};

std::vector<PageId> PlanPages() {
  std::vector<PageId> pages = {P::Graph, P::PlanTable};
  pages.insert(pages.end(), kDataPages.begin(), kDataPages.end());
  return pages;
}

std::vector<DocumentedKey> BuildKeys() {
  const std::vector<PageId> planPages = PlanPages();
  std::vector<PageId> everyPage = planPages;
  everyPage.insert(everyPage.end(), {P::Text, P::About, P::Comparison, P::Odds, P::Solve});
  std::vector<DocumentedKey> keys = {
      {"F1", "the help topic of the page shown", everyPage, "PageHelp"},
      {"Ctrl+N", "a new plan from the sample values", planPages, "New"},
      {"Ctrl+O", "open a plan", planPages, "Open"},
      {"Ctrl+S", "save the plan", planPages, "Save"},
      {"Ctrl+Shift+S", "save the plan under a new name", planPages, "SaveAs"},
      {"Ctrl+Q", "exit", planPages, "Exit"},
      {"Ctrl+P", "print the graph", {P::Graph}, "PrintGraph"},
      {"Ctrl+P", "print the plan table", {P::PlanTable}, "PrintPlan"},
      {"Ctrl+C", "copy the selected cells of the plan table", {P::PlanTable}, "CopySelection"},
      {"Ctrl+Ins", "copy the selected cells of the plan table", {P::PlanTable}, "CopySelection"},
      {"Ctrl+P", "print the odds or the solve page's results (in the print preview)", {P::Odds, P::Solve},
       "PrintResult"},
      {"Ctrl+Shift+C", "copy the odds or the solve page's results as CSV", {P::Odds, P::Solve}, "CopyResult"},
      {"Ctrl+E", "why this number? for the selected cell of the plan table", {P::PlanTable}, "WhyThisNumber"},
      {"Alt+O", "the odds page", {P::Graph, P::PlanTable}, "Odds"},
      {"Ctrl+L", "the solve page", {P::Graph, P::PlanTable}, "Solve"},
      {"Alt+C", "the graph's Compare tick", {P::Graph}, "CompareCurve"},
      {"Alt+B", "the graph's Net worth band tick", {P::Graph}, "NetWorthBand"},
      {"Alt+C", "the personal data page's Second Person box", {P::Personal}, "SecondPerson"},
      {"Alt+D", "the expense summary's debt expense explanation", {P::ExpenseSummary}, "DebtPaymentButton"},
      {"Alt+T", "the expense summary's tax expense explanation", {P::ExpenseSummary}, "TaxTotalButton"},
      {"Alt+D", "the assumptions page's Default command", {P::Assumptions}, "Defaults"},
      {"Alt+E", "the taxes page's Use estimate button", {P::Taxes}, "UseLawEstimate"},
  };
  const char* const titles[10] = {"EventTitle1", "EventTitle2", "EventTitle3", "EventTitle4", "EventTitle5",
                                  "OtherTitle1", "OtherTitle2", "OtherTitle3", "OtherTitle4", "OtherTitle5"};
  for (int i = 0; i < 10; ++i) {
    keys.push_back({QString("Alt+%1").arg((i + 1) % 10),
                    "the special event and other expense titles (Tab skips them)",
                    {P::SpecialEvents},
                    titles[i]});
  }
  keys.insert(
      keys.end(),
      {
          {"Enter", "on a data page, the next box, as Tab does", kDataPages, "NextBox"},
          {"Esc", "on a data page, back to the page you came from, checking the entries as leaving does", kDataPages, "GoBack"},
          {"Alt+D",
           "the comparison page's tick that draws the other plan on the graph",
           {P::Comparison},
           "CompareCurve"},
          {"Alt+S", "the comparison page's Summary tab", {P::Comparison}, "SummaryTab"},
          {"Alt+I", "the comparison page's Inputs tab", {P::Comparison}, "InputsTab"},
          {"Alt+Y", "the comparison page's Years tab", {P::Comparison}, "YearsTab"},
          {"Esc", "close the comparison or the odds page (stopping a run first)", {P::Comparison, P::Odds}, "Escape"},
          {"F5", "run the odds", {P::Odds}, "RunOdds"},
          {"Esc", "on the solve page, cancel the search (also one just starting), else close the page", {P::Solve},
           "Escape"},
          {"F5", "run the solve page's search", {P::Solve}, "RunSolve"},
      });
  return keys;
}

}  // namespace

const std::vector<DocumentedKey>& DocumentedKeys() {
  static const std::vector<DocumentedKey> keys = BuildKeys();
  return keys;
}

QString DocumentedKeysHelp() {
  QString text;
  const std::vector<DocumentedKey>& keys = DocumentedKeys();
  for (std::size_t i = 0; i < keys.size();) {
    QString joined = keys[i].keys;
    std::size_t next = i + 1;
    while (next < keys.size() && keys[next].does == keys[i].does) joined += ", " + keys[next++].keys;
    text += QString("  %1  %2\n").arg(joined.leftJustified(14), keys[i].does);
    i = next;
  }
  return text;
}
