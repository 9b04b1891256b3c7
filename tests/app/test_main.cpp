#include <QApplication>

#include <gtest/gtest.h>

// One application object for all GUI tests; headless unless told otherwise,
// also when the tests are listed at build time.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
