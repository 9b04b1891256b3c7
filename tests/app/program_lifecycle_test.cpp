#include "tests/app/shell_test.h"

namespace pricewright::testing {
namespace {

using ProgramLifecycleTest = ShellTest;

TEST_F(ProgramLifecycleTest, ClosingTheMainWindowEndsTheProgram) {
  EXPECT_TRUE(programEnds(window, [&] {
    window.showCentred();
    window.close();
  }));
}

TEST_F(ProgramLifecycleTest, AnOpenAboutWindowKeepsTheProgramAndTheFileAliveAfterTheMainWindowCloses) {
  bool aboutStayed = false;
  bool fileStayed = false;
  EXPECT_TRUE(programEnds(window, [&] {
    window.showCentred();
    open(GameFileFixture());
    window.showAbout();
    window.close();
    QTimer::singleShot(200, &window, [&] {
      aboutStayed = window.aboutWindow() != nullptr;
      fileStayed = window.hasOpenExecutable();
      if (window.aboutWindow()) window.aboutWindow()->close();
    });
  }));
  EXPECT_TRUE(aboutStayed);
  EXPECT_TRUE(fileStayed);
}

TEST_F(ProgramLifecycleTest, ClosingTheAboutWindowLeavesTheProgramRunning) {
  bool mainStayed = false;
  EXPECT_TRUE(programEnds(window, [&] {
    window.showCentred();
    window.showAbout();
    window.aboutWindow()->close();
    QTimer::singleShot(200, &window, [&] {
      mainStayed = window.isVisible();
      window.close();
    });
  }));
  EXPECT_TRUE(mainStayed);
}

TEST_F(ProgramLifecycleTest, ExitClosesTheFileAndBothWindowsAndEndsTheProgram) {
  EXPECT_TRUE(programEnds(window, [&] {
    window.showCentred();
    open(GameFileFixture());
    window.showAbout();
    action("mnuExit").trigger();
  }));
  EXPECT_FALSE(window.hasOpenExecutable());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.aboutWindow(), nullptr);
}

TEST_F(ProgramLifecycleTest, CtrlEEndsTheProgram) {
  EXPECT_TRUE(programEnds(window, [&] {
    window.showCentred();
    if (!QTest::qWaitForWindowActive(&window)) return;
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
  }));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace pricewright::testing
