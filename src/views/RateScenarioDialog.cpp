#include "views/RateScenarioDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "engine/ForecastTable.h"
#include "model/RateRange.h"

namespace {

// The check box captions carry the mnemonics; the object names the series.
constexpr std::array<const char*, 4> kCaptions = {"&Inflation", "&Taxable return", "Ta&x-deferred return",
                                                  "&Home growth"};
constexpr std::array<const char*, 4> kNames = {"Inflation", "TaxableReturn", "TaxDeferredReturn", "HomeGrowth"};

constexpr const char* kAboveInflation =
    "Returns and home growth are above inflation, as on the Assumptions page: a higher inflation raises the "
    "nominal returns, home values, salaries and expenses with it. Tick Nominal to type returns and growth "
    "before inflation instead; each year's rate above inflation is then the figure less that year's inflation.";

}  // namespace

RateScenarioDialog::RateScenarioDialog(const PlanRecord& plan, const std::vector<RateOverride>& current,
                                       QWidget* parent)
    : QDialog(parent), nominal_(new QCheckBox("&Nominal: returns and home growth before inflation", this)) {
  setObjectName("RateScenarioDialog");
  nominal_->setObjectName("ScenarioNominal");
  setWindowTitle("Rate Scenario");
  auto* grid = new QGridLayout;
  const QStringList headings = {"Rate", "First year", "Years", "Percent"};
  for (int c = 0; c < headings.size(); ++c) grid->addWidget(new QLabel(headings[c], this), 0, c);
  const int firstYear = plan.CurrentYear;
  for (std::size_t i = 0; i < kRateSeries.size(); ++i) {
    const RateSeries series = kRateSeries[i];
    const QString name = kNames[i];
    const QString spoken = QString(RateSeriesName(series));
    Row& row = rows_[i];
    row.use = new QCheckBox(kCaptions[i], this);
    row.use->setObjectName("Scenario" + name);
    row.firstYear = new QSpinBox(this);
    row.firstYear->setObjectName("Scenario" + name + "FirstYear");
    row.firstYear->setAccessibleName(spoken + ": first year");
    row.firstYear->setRange(firstYear, firstYear + kForecastRows - 1);
    row.years = new QSpinBox(this);
    row.years->setObjectName("Scenario" + name + "Years");
    row.years->setAccessibleName(spoken + ": number of years");
    row.years->setRange(1, kForecastRows);
    row.value = new QDoubleSpinBox(this);
    row.value->setObjectName("Scenario" + name + "Percent");
    row.value->setDecimals(2);
    row.value->setRange(static_cast<double>(kLowestRatePercent) + 0.01, static_cast<double>(kHighestRatePercent));
    row.value->setSuffix(" %");

    RateOverride start{series, firstYear, 10, PlanRateOf(plan, series)};
    bool used = false;
    for (const RateOverride& change : current) {
      if (change.series == series) {
        start = change;
        used = true;
      }
      if (change.nominal) nominal_->setChecked(true);
    }
    row.use->setChecked(used);
    row.firstYear->setValue(static_cast<int>(std::clamp<std::int64_t>(start.firstYear, firstYear, firstYear + kForecastRows - 1)));
    row.years->setValue(start.years);
    row.value->setValue(static_cast<double>(start.value));
    // Changing a row's figures means using them.
    QCheckBox* use = row.use;
    connect(row.firstYear, &QSpinBox::valueChanged, use, [use] { use->setChecked(true); });
    connect(row.years, &QSpinBox::valueChanged, use, [use] { use->setChecked(true); });
    connect(row.value, &QDoubleSpinBox::valueChanged, use, [use] { use->setChecked(true); });
    const int r = static_cast<int>(i) + 1;
    grid->addWidget(row.use, r, 0);
    grid->addWidget(row.firstYear, r, 1);
    grid->addWidget(row.years, r, 2);
    grid->addWidget(row.value, r, 3);
  }
  NameValueBoxes();
  connect(nominal_, &QCheckBox::toggled, this, [this] { NameValueBoxes(); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Tick each rate to change; the other years keep the plan's rates.", this));
  layout->addLayout(grid);
  layout->addWidget(nominal_);
  auto* note = new QLabel(kAboveInflation, this);
  note->setObjectName("ScenarioAboveInflationNote");
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addWidget(buttons);
}

std::vector<RateOverride> RateScenarioDialog::Overrides() const {
  std::vector<RateOverride> changes;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Row& row = rows_[i];
    if (!row.use->isChecked()) continue;
    // Through the shown digits, so 2.35 here is the 2.35 a plan or rate file reads.
    const long double value = std::strtold(QString::number(row.value->value(), 'f', 2).toUtf8().constData(), nullptr);
    const bool nominal = nominal_->isChecked() && kRateSeries[i] != RateSeries::Inflation;
    changes.push_back({kRateSeries[i], row.firstYear->value(), row.years->value(), value, nominal});
  }
  return changes;
}

void RateScenarioDialog::NameValueBoxes() {
  const QString returns = nominal_->isChecked() ? " before inflation" : " above inflation";
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const RateSeries series = kRateSeries[i];
    rows_[i].value->setAccessibleName(QString(RateSeriesName(series)) + ": percent" +
                                      (series == RateSeries::Inflation ? "" : returns));
  }
}
