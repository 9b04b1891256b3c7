#include <QApplication>

#include <gtest/gtest.h>

namespace {
QtMessageHandler qtHandler = nullptr;

// The headless platform cannot raise windows and says so each time; the
// tests check the front window through activation instead.
void withoutRaiseNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message == "This plugin does not support raise()") return;
  qtHandler(type, context, message);
}
}  // namespace

// One application object for all GUI tests; headless unless told otherwise,
// also when the tests are listed at build time.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(withoutRaiseNotices);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
