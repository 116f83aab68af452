#include <gtest/gtest.h>

#include <QGuiApplication>

// Drawing needs fonts, so a GUI application, but no widgets: the render
// library is tested as prevora-cli uses it.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
