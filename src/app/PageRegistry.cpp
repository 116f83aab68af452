#include "app/PageRegistry.h"

#include <algorithm>
#include <array>

#include "app/AboutPage.h"
#include "app/MainWindow.h"
#include "app/TextPage.h"
#include "pages/AssetsPage.h"
#include "pages/AssumptionsPage.h"
#include "pages/CategoryLayouts.h"
#include "pages/EducationPage.h"
#include "pages/ExpenseSummaryPage.h"
#include "pages/HomeStatusPage.h"
#include "pages/IncomePage.h"
#include "pages/PersonalPage.h"
#include "pages/SpecialEventsPage.h"
#include "pages/TaxesPage.h"
#include "views/ComparisonPage.h"
#include "views/GraphPage.h"
#include "views/OddsPage.h"
#include "views/SolvePage.h"
#include "views/StrategiesPage.h"
#include "views/PlanTablePage.h"

namespace {

template <class P>
Page* Make(Session& session, Platform& platform, Navigator& navigator) {
  return new P(session, platform, navigator);
}

template <CategoryPageLayout (*Layout)()>
Page* MakeCategory(Session& session, Platform& platform, Navigator& navigator) {
  return new CategoryPage(Layout(), session, platform, navigator);
}

const std::array kPages = {
    PageEntry{PageId::Graph, true, Make<GraphPage>},
    PageEntry{PageId::PlanTable, true, Make<PlanTablePage>},
    PageEntry{PageId::Personal, true, Make<PersonalPage>},
    PageEntry{PageId::ExpenseSummary, true, Make<ExpenseSummaryPage>},
    PageEntry{PageId::Income, true, Make<IncomePage>},
    PageEntry{PageId::Assets, true, Make<AssetsPage>},
    PageEntry{PageId::Taxes, true, Make<TaxesPage>},
    PageEntry{PageId::Assumptions, true, Make<AssumptionsPage>},
    PageEntry{PageId::HomeExpenses, true, MakeCategory<HomeExpenseLayout>},
    PageEntry{PageId::AutoExpenses, true, MakeCategory<AutoExpenseLayout>},
    PageEntry{PageId::MedicalExpenses, true, MakeCategory<MedicalExpenseLayout>},
    PageEntry{PageId::CommunicationExpenses, true, MakeCategory<CommunicationExpenseLayout>},
    PageEntry{PageId::EntertainmentExpenses, true, MakeCategory<EntertainmentExpenseLayout>},
    PageEntry{PageId::FoodExpenses, true, MakeCategory<FoodExpenseLayout>},
    PageEntry{PageId::Education, true, Make<EducationPage>},
    PageEntry{PageId::SpecialEvents, true, Make<SpecialEventsPage>},
    PageEntry{PageId::HomeStatus, true, Make<HomeStatusPage>},
    PageEntry{PageId::Text, false, Make<TextPage>},
    PageEntry{PageId::About, false, Make<AboutPage>},
    PageEntry{PageId::Comparison, false, Make<ComparisonPage>},
    PageEntry{PageId::Odds, false, Make<OddsPage>},
    PageEntry{PageId::Solve, false, Make<SolvePage>},
    PageEntry{PageId::Strategies, false, Make<StrategiesPage>},
};

}  // namespace

std::span<const PageEntry> PageTable() { return kPages; }

bool CanShowAsLeft(PageId id) {
  return std::any_of(kPages.begin(), kPages.end(),
                     [id](const PageEntry& entry) { return entry.id == id && entry.shownAsLeft; });
}

void CreatePages(MainWindow& window, Session& session, Platform& platform) {
  for (const PageEntry& entry : kPages) window.AddPage(entry.create(session, platform, window));
}
