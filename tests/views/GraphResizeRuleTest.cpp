#include <gtest/gtest.h>

#include "shell/Session.h"
#include "views/GraphResizeRule.h"

namespace {

TEST(GraphResizeRule, SnapsToTheMinimumAndTakesTheStoredWidthFirst) {
  WindowGeometry geometry;
  geometry.GraphWidth = 800;
  bool first = true;
  EXPECT_EQ(GraphResizeRule({640, 700}, geometry, first, 1024), QSize(800, 700));
  EXPECT_FALSE(first);
  EXPECT_EQ(GraphResizeRule({300, 200}, geometry, first, 1024), QSize(506, 574));
  EXPECT_EQ(geometry.GraphWidth, 506);
  EXPECT_EQ(geometry.GraphHeight, 574);
  EXPECT_EQ(GraphResizeRule({1900, 1000}, geometry, first, 1024), QSize(1900, 1000));
}

TEST(GraphResizeRule, SmallScreensForceTheirHeight) {
  WindowGeometry geometry;
  geometry.MinPageHeight = 480;
  geometry.SmallScreenHeight = 480;
  bool first = false;
  EXPECT_EQ(GraphResizeRule({700, 300}, geometry, first, 480), QSize(700, 480));
  EXPECT_EQ(GraphResizeRule({700, 900}, geometry, first, 480), QSize(700, 480));
}

// Screens from 550 to 559 high keep the 574 minimum but force the 400 height:
// the window's own minimum must let it get there.
TEST(GraphResizeRule, WindowMinimumAllowsTheForcedSmallScreenHeight) {
  WindowGeometry geometry;
  bool first = false;
  EXPECT_EQ(GraphResizeRule({700, 600}, geometry, first, 555), QSize(700, 400));
  EXPECT_EQ(GraphMinimumHeight(geometry, 555), 400);
  EXPECT_EQ(GraphMinimumHeight(geometry, 560), 574);
  geometry.MinPageHeight = 480;
  geometry.SmallScreenHeight = 480;
  EXPECT_EQ(GraphMinimumHeight(geometry, 480), 480);
}

TEST(GraphResizeRule, CheckBoxesFollowTheWindow) {
  EXPECT_EQ(CurveCheckBoxPosition(0, 506, 574), QPoint(24, 425));
  EXPECT_EQ(CurveCheckBoxPosition(3, 506, 574), QPoint(24, 479));
  EXPECT_EQ(CurveCheckBoxPosition(4, 506, 574), QPoint(358, 425));
  EXPECT_EQ(CurveCheckBoxPosition(7, 1000, 800), QPoint(852, 705));
}

}  // namespace
