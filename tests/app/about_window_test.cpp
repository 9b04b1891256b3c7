#include <QLabel>
#include <QPushButton>

#include "app/about_window.h"
#include "tests/app/shell_test.h"

namespace pricewright::testing {
namespace {

using namespace std::chrono_literals;

class AboutWindowTest : public ShellTest {
protected:
  AboutWindow& openAbout() {
    action("mnuAbout").trigger();
    if (!window.aboutWindow()) throw std::runtime_error("About did not open");
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.aboutWindow()));
    return *window.aboutWindow();
  }
};

TEST_F(AboutWindowTest, OneAboutWindowComesToTheFrontAndEachWayOfClosingItLeavesTheNextFresh) {
  const std::array<std::function<void(AboutWindow&)>, 4> waysToClose{
      [](AboutWindow& about) { QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); },
      [](AboutWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
      [](AboutWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
      [](AboutWindow& about) { about.close(); }};
  for (const auto& closeIt : waysToClose) {
    AboutWindow& about = openAbout();
    EXPECT_NE(about.findChild<QLabel*>("lblTitle")->text(), "left over");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(&openAbout(), &about);
    about.findChild<QLabel*>("lblTitle")->setText("left over");
    closeIt(about);
    EXPECT_EQ(window.aboutWindow(), nullptr);
    EXPECT_TRUE(window.isVisible());
  }
}

using ProgramLifecycleTest = ShellTest;

TEST_F(ProgramLifecycleTest, AnOpenAboutWindowKeepsTheProgramAndTheFileAliveUntilItCloses) {
  bool aboutStayed = false;
  bool fileStayed = false;
  QTimer later;
  later.setSingleShot(true);
  later.callOnTimeout([&] {
    aboutStayed = window.aboutWindow() != nullptr;
    fileStayed = window.hasOpenExecutable();
    if (window.aboutWindow()) window.aboutWindow()->close();
  });
  EXPECT_TRUE(programEnds([&] {
    open(GameFileFixture());
    window.showAbout();
    window.close();
    later.start(200ms);
  }));
  EXPECT_TRUE(aboutStayed);
  EXPECT_TRUE(fileStayed);
}

TEST_F(ProgramLifecycleTest, CtrlEClosesTheFileAndBothWindowsAndEndsTheProgram) {
  EXPECT_TRUE(programEnds([&] {
    open(GameFileFixture());
    window.showAbout();
    window.activateWindow();
    if (QTest::qWaitForWindowActive(&window)) QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
  }));
  EXPECT_FALSE(window.hasOpenExecutable());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.aboutWindow(), nullptr);
}

}  // namespace
}  // namespace pricewright::testing
