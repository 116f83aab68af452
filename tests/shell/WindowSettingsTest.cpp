#include <gtest/gtest.h>

#include <QSize>
#include <climits>

#include "shell/Session.h"
#include "shell/WindowSettings.h"
#include "support/ScriptedPlatform.h"

// Stored window values are clamped as they are read: whatever the settings
// file holds, the window fits the screen and no size is negative.
namespace {

namespace keys = settings_keys;

class WindowSettingsTest : public ::testing::Test {
 protected:
  void Store(int top, int left, int planWidth, int planHeight, int graphWidth, int graphHeight) {
    settings.SetInteger(keys::kTop, top);
    settings.SetInteger(keys::kLeft, left);
    settings.SetInteger(keys::kPlanWidth, planWidth);
    settings.SetInteger(keys::kPlanHeight, planHeight);
    settings.SetInteger(keys::kGraphWidth, graphWidth);
    settings.SetInteger(keys::kGraphHeight, graphHeight);
  }

  MemorySettings settings;
  Session session;
  const WindowGeometry& g = session.geometry;
};

TEST_F(WindowSettingsTest, ExtremeSizesAreClampedBetweenThePageMinimumAndTheScreen) {
  Store(20, 20, INT_MIN, INT_MIN, INT_MIN, INT_MIN);
  ASSERT_TRUE(ReadWindowSettings(session, settings, 1920, 1080));
  EXPECT_EQ(QSize(g.PlanWidth, g.PlanHeight), QSize(506, 574));
  EXPECT_EQ(QSize(g.GraphWidth, g.GraphHeight), QSize(506, 574));

  Store(20, 20, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  ASSERT_TRUE(ReadWindowSettings(session, settings, 1920, 1080));
  EXPECT_EQ(QSize(g.PlanWidth, g.PlanHeight), QSize(1340, 1080));
  EXPECT_EQ(QSize(g.GraphWidth, g.GraphHeight), QSize(4 * 1920, 1080));

  // Without a screen to measure, a fixed largest side holds.
  Store(20, 20, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  ASSERT_TRUE(ReadWindowSettings(session, settings, 0, 0));
  EXPECT_EQ(QSize(g.GraphWidth, g.GraphHeight), QSize(kLargestWindowSide, kLargestWindowSide));
}

TEST_F(WindowSettingsTest, AWindowStoredOffTheScreenComesWhollyOntoIt) {
  Store(5000, 9000, 506, 574, 600, 700);
  ReadWindowSettings(session, settings, 1920, 1080);
  EXPECT_EQ(session.LastLeft, 1920 - 600);
  EXPECT_EQ(session.LastTop, 1080 - 700);

  Store(INT_MIN, INT_MIN, 506, 574, 506, 574);
  ReadWindowSettings(session, settings, 1920, 1080);
  EXPECT_EQ(session.LastLeft, 0);
  EXPECT_EQ(session.LastTop, 0);

  // A corner on the screen stays where the user left it.
  Store(300, 700, 506, 574, 506, 574);
  ReadWindowSettings(session, settings, 1920, 1080);
  EXPECT_EQ(session.LastLeft, 700);
  EXPECT_EQ(session.LastTop, 300);
}

TEST_F(WindowSettingsTest, TheFirstRunWritesTheDefaultsUnderTheirNames) {
  EXPECT_FALSE(ReadWindowSettings(session, settings, 1920, 1080));
  // The graph takes three quarters of a large screen's height, as wide in proportion.
  EXPECT_EQ(QSize(*settings.Integer(keys::kGraphWidth), *settings.Integer(keys::kGraphHeight)), QSize(714, 810));
  EXPECT_EQ(QSize(g.GraphWidth, g.GraphHeight), QSize(714, 810));
  EXPECT_EQ(settings.Integer(keys::kPlanHeight), settings_defaults::kHeight);
  EXPECT_EQ(settings.Integer(keys::kPlanWidth), 1260);
  // On a narrower screen the plan page is as wide as the screen; a stored width stays.
  settings.values.clear();
  ReadWindowSettings(session, settings, 1024, 768);
  EXPECT_EQ(session.geometry.PlanWidth, 1024);
  EXPECT_EQ(QSize(g.GraphWidth, g.GraphHeight), QSize(507, 576));
  settings.SetInteger(keys::kPlanWidth, 700);
  ReadWindowSettings(session, settings, 1920, 1080);
  EXPECT_EQ(session.geometry.PlanWidth, 700);
  SaveWindowSettings(session, settings, 33, 44);
  EXPECT_EQ(settings.Integer(keys::kTop), 33);
  EXPECT_EQ(settings.Integer(keys::kLeft), 44);
  EXPECT_TRUE(settings.Contains(keys::kPlanPath));
}

}  // namespace
