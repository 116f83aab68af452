#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <limits>
#include <map>

#include "model/PlanFieldLabels.h"
#include "model/PlanFile.h"
#include "views/AttributionPainting.h"
#include "views/ComparisonRows.h"

namespace {

// The plan file line of a record field, by its record name.
int LineOf(const char* name) {
  const auto& labels = PlanFieldLabels();
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (std::string(labels[i].name) == name) return static_cast<int>(i);
  ADD_FAILURE() << "no field " << name;
  return 0;
}

Comparison WithParts(const std::vector<std::pair<std::vector<const char*>, std::int64_t>>& parts,
                     std::int64_t rounding = 0) {
  Comparison comparison;
  for (const auto& [names, value] : parts) {
    ChangedInput input;
    for (const char* name : names) input.lines.push_back(LineOf(name));
    comparison.inputs.changedInputs.push_back(input);
    comparison.attribution.parts.push_back(value);
  }
  comparison.attribution.rounding = rounding;
  return comparison;
}

std::vector<std::string> Details(const std::vector<AttributionBar>& bars) {
  std::vector<std::string> details;
  for (const AttributionBar& bar : bars) details.push_back(bar.detail.toStdString());
  return details;
}

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

}  // namespace

TEST(AttributionBarsTest, LargestEffectFirstWhateverItsSignTiesInPlanOrderRoundingLast) {
  const Comparison comparison = WithParts(
      {{{"RetireAge1"}, 1'000}, {{"Salary1"}, -5'000}, {{"PensionAge1", "Pension1"}, 1'000}, {{"Groceries"}, 7}}, -1);
  const std::vector<AttributionBar> bars = SortedAttributionBars(comparison);
  EXPECT_EQ(Details(bars),
            (std::vector<std::string>{"Salary1", "RetireAge1", "PensionAge1 + Pension1", "Groceries", "rounding"}));
  EXPECT_EQ(bars[0].value, -5'000);
  EXPECT_EQ(bars[4].value, -1);
  // Bars read in the pages' words; a group names each of its fields.
  EXPECT_EQ(bars[0].name, "First Person: Total annual salary at start age");
  EXPECT_TRUE(bars[2].name.contains(" + ")) << bars[2].name.toStdString();

  // No rounding line when nothing was left over; the most negative figure sorts as the largest.
  const std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
  const auto extreme = SortedAttributionBars(
      WithParts({{{"Salary1"}, std::numeric_limits<std::int64_t>::max()}, {{"Groceries"}, lowest}}));
  EXPECT_EQ(Details(extreme), (std::vector<std::string>{"Groceries", "Salary1"}));
}

TEST(AttributionBarsTest, GainsAndLossesInTheirColoursFromOneZeroLineInProportion) {
  std::vector<AttributionBar> bars{
      {"gain", "g", 100'000, "1 → 2"}, {"loss", "l", -50'000, "3 → 4"}, {"nothing", "n", 0, "5 → 6"}};
  QImage image(600, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QRect area(0, 0, 600, 200);
  PaintAttributionBars(painter, area, bars);
  const int row = AttributionRowHeight(QFontMetrics(painter.font()));
  painter.end();

  const QRect first(0, 0, 600, row);
  const QRect second(0, row, 600, row);
  const QRect third(0, 2 * row, 600, row);
  const int gain = CountColour(image, first, kGainColour);
  const int loss = CountColour(image, second, kLossColour);
  EXPECT_GT(gain, 0);
  EXPECT_EQ(CountColour(image, first, kLossColour), 0);
  EXPECT_EQ(CountColour(image, second, kGainColour), 0);
  EXPECT_EQ(CountColour(image, third, kGainColour) + CountColour(image, third, kLossColour), 0);
  // Twice the effect, twice the bar.
  EXPECT_NEAR(static_cast<double>(gain) / loss, 2.0, 0.1);

  // The loss reaches left of where the gain starts.
  const auto leftmost = [&](const QRect& r, const QColor& colour) {
    for (int x = r.left(); x <= r.right(); ++x)
      for (int y = r.top(); y <= r.bottom(); ++y)
        if (image.pixelColor(x, y) == colour) return x;
    return -1;
  };
  const int gainStart = leftmost(first, kGainColour);
  const int lossStart = leftmost(second, kLossColour);
  EXPECT_LT(lossStart, gainStart);
  EXPECT_GE(lossStart, 600 * 2 / 5);  // right of the names
}

TEST(AttributionBarsTest, BarsShowTheInputsTwoValuesAndTheNotesSayInWordsHowTheChangeIsSharedOut) {
  PlanRecord base;
  PlanRecord other;
  ASSERT_TRUE(ReadPlanFile(base, PREVORA_TEST_DATA "/../../resources/Double.plan").ok);
  ASSERT_TRUE(ReadPlanFile(other, PREVORA_TEST_DATA "/double_compare.plan").ok);
  // The figures of the comparison kept on the plan's rate for past years.
  ComparisonOptions options;
  options.metric.rules = {PastInflationRule::Plan, TaxRules::Curve};
  const Comparison shapley = ComparePlans(base, other, options);
  std::map<std::string, QString> values;
  for (const AttributionBar& bar : SortedAttributionBars(shapley)) values[bar.detail.toStdString()] = bar.values;
  EXPECT_EQ(values["RetireAge1"], "65 → 67");
  EXPECT_EQ(values["PensionAge1 + Pension1"], "65 → 62, 18000 → 15000");
  EXPECT_EQ(values["rounding"], "");
  const QString notes = AttributionNotes(shapley);
  EXPECT_TRUE(notes.startsWith("Shapley: each input's share is the average")) << notes.toStdString();
  EXPECT_TRUE(notes.contains("the rounding line, $1, is what that leaves over")) << notes.toStdString();

  ComparisonOptions oneByOne = options;
  oneByOne.method = AttributionMethod::Sequential;
  const QString sequential = AttributionNotes(ComparePlans(base, other, oneByOne));
  EXPECT_TRUE(sequential.startsWith("Sequential: the changes are made one at a time")) << sequential.toStdString();
  EXPECT_FALSE(sequential.contains("rounding"));
  EXPECT_EQ(AttributionNotes(ComparePlans(base, base, {})), "");

  // The values stand beside the amount: painted text appears right of the bars' zero line.
  QImage image(900, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintAttributionBars(painter, image.rect(), {{"name", "n", 10, "65 → 67"}});
  painter.end();
  int textRightOfBar = 0;
  for (int x = 700; x < 870; ++x) {
    for (int y = 0; y < 60; ++y) {
      const QColor pixel = image.pixelColor(x, y);
      textRightOfBar += pixel.red() < 100 && pixel.green() < 100 && pixel.blue() < 100;
    }
  }
  EXPECT_GT(textRightOfBar, 0);
}
