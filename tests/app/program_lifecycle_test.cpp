#include "tests/app/shell_test.h"

namespace pricewright::testing {
namespace {

using namespace std::chrono_literals;
using ProgramLifecycleTest = ShellTest;

TEST_F(ProgramLifecycleTest, ClosingTheMainWindowEndsTheProgram) {
  EXPECT_TRUE(programEnds({{0ms, [&] {
                              window.showCentred();
                              window.close();
                            }}}));
}

TEST_F(ProgramLifecycleTest, AnOpenAboutWindowKeepsTheProgramAndTheFileAliveAfterTheMainWindowCloses) {
  bool aboutStayed = false;
  bool fileStayed = false;
  EXPECT_TRUE(programEnds({{0ms,
                            [&] {
                              window.showCentred();
                              open(GameFileFixture());
                              window.showAbout();
                              window.close();
                            }},
                           {200ms, [&] {
                              aboutStayed = window.aboutWindow() != nullptr;
                              fileStayed = window.hasOpenExecutable();
                              if (window.aboutWindow()) window.aboutWindow()->close();
                            }}}));
  EXPECT_TRUE(aboutStayed);
  EXPECT_TRUE(fileStayed);
}

TEST_F(ProgramLifecycleTest, ClosingTheAboutWindowLeavesTheProgramRunning) {
  bool mainStayed = false;
  EXPECT_TRUE(programEnds({{0ms,
                            [&] {
                              window.showCentred();
                              window.showAbout();
                              window.aboutWindow()->close();
                            }},
                           {200ms, [&] {
                              mainStayed = window.isVisible();
                              window.close();
                            }}}));
  EXPECT_TRUE(mainStayed);
}

TEST_F(ProgramLifecycleTest, ExitClosesTheFileAndBothWindowsAndEndsTheProgram) {
  EXPECT_TRUE(programEnds({{0ms, [&] {
                              window.showCentred();
                              open(GameFileFixture());
                              window.showAbout();
                              action("mnuExit").trigger();
                            }}}));
  EXPECT_FALSE(window.hasOpenExecutable());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.aboutWindow(), nullptr);
}

TEST_F(ProgramLifecycleTest, CtrlEEndsTheProgram) {
  EXPECT_TRUE(programEnds({{0ms, [&] {
                              window.showCentred();
                              if (!QTest::qWaitForWindowActive(&window)) return;
                              QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
                            }}}));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace pricewright::testing
