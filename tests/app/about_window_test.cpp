#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

#include "app/about_window.h"
#include "app/application_icon.h"
#include "tests/app/shell_test.h"

namespace pricewright::testing {
namespace {

class AboutWindowTest : public ShellTest {
protected:
  AboutWindow& openAbout() {
    window.showAbout();
    AboutWindow* about = window.aboutWindow();
    if (!about) throw std::runtime_error("About did not open");
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    return *about;
  }

  static long visibleAboutWindows() {
    return std::ranges::count_if(QApplication::topLevelWidgets(), [](const QWidget* topLevel) {
      return topLevel->objectName() == "frmAbout" && topLevel->isVisible();
    });
  }
};

TEST_F(AboutWindowTest, OpensModelessOwnerlessWithoutTaskBarButtonCentredOnTheMainWindow) {
  start();
  AboutWindow& about = openAbout();

  EXPECT_EQ(about.windowTitle(), "About..");
  EXPECT_FALSE(about.isModal());
  EXPECT_EQ(about.parentWidget(), nullptr);
  EXPECT_EQ(about.windowHandle()->transientParent(), nullptr);
  EXPECT_EQ(about.windowType(), Qt::Tool);
  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(about.size(), QSize(386, 233));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_LE((about.geometry().center() - window.geometry().center()).manhattanLength(), 1);
  EXPECT_EQ(QApplication::focusWidget(), about.findChild<QPushButton*>("cmdOK"));
  // Not modal: the main window still takes its commands.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(AboutWindowTest, AboutWhileOpenLeavesOneAboutWindowInFront) {
  start();
  AboutWindow& about = openAbout();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  window.showAbout();

  EXPECT_EQ(window.aboutWindow(), &about);
  EXPECT_EQ(visibleAboutWindows(), 1);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&about));
}

enum class CloseBy { OkClick, Enter, Escape, CloseBox };

class AboutClosingTest : public AboutWindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(AboutClosingTest, ClosesTheWindowAndTheNextAboutIsFreshFromTheLayout) {
  start();
  AboutWindow& about = openAbout();
  about.findChild<QLabel*>("lblTitle")->setText("left over");
  switch (GetParam()) {
  case CloseBy::OkClick: QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); break;
  case CloseBy::Enter: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
  case CloseBy::Escape: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
  case CloseBy::CloseBox: about.close(); break;
  }

  EXPECT_EQ(window.aboutWindow(), nullptr);
  EXPECT_EQ(visibleAboutWindows(), 0);
  EXPECT_TRUE(window.isVisible());
  AboutWindow& fresh = openAbout();
  EXPECT_TRUE(fresh.findChild<QLabel*>("lblTitle")->text().endsWith("Pricewright (v1.07 and mods)"));
  EXPECT_EQ(visibleAboutWindows(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutClosingTest,
                         ::testing::Values(CloseBy::OkClick, CloseBy::Enter, CloseBy::Escape,
                                           CloseBy::CloseBox));

TEST_F(AboutWindowTest, EveryNoteFitsItsFixedWrappingLabel) {
  AboutWindow& about = openAbout();
  const QList<QLabel*> labels = about.findChildren<QLabel*>();
  int notes = 0;
  for (QLabel* label : labels) {
    if (label->text().isEmpty()) continue;  // the picture
    ++notes;
    EXPECT_TRUE(label->wordWrap()) << label->objectName().toStdString();
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
  }
  EXPECT_EQ(notes, 4);
  EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(),
            "See the \"readme.txt\" file for application notes and how to use this program.");
}

TEST_F(AboutWindowTest, ThePictureIsTheLargeIconOnBlack) {
  AboutWindow& about = openAbout();
  auto* picture = about.findChild<QLabel*>("picIcon");
  const QImage shown = picture->grab().toImage();
  const QImage icon = iconImage(iconArts()[0]);

  ASSERT_EQ(picture->size(), QSize(32, 32));
  EXPECT_EQ(picture->frameWidth(), 0);
  int compared = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb expected = qAlpha(icon.pixel(x, y)) == 0 ? qRgb(0, 0, 0) : icon.pixel(x, y);
      compared += shown.pixel(x, y) == expected;
    }
  }
  EXPECT_EQ(compared, 32 * 32);
}

TEST_F(AboutWindowTest, TheRuleIsAGreyLineOverAWhiteOneAcrossTheWindow) {
  AboutWindow& about = openAbout();
  const QImage image = about.grab().toImage();
  const auto column = [&](int x) {
    return std::array{image.pixel(x, 102), image.pixel(x, 103), image.pixel(x, 104), image.pixel(x, 105)};
  };
  const QRgb black = qRgb(0, 0, 0);
  const QRgb white = qRgb(255, 255, 255);
  const QRgb grey = qRgb(128, 128, 128);

  // Grey begins at pixel 6, white at pixel 8; both end near the right edge.
  EXPECT_EQ(column(5), (std::array{black, black, black, black}));
  EXPECT_EQ(column(7), (std::array{black, black, grey, black}));
  EXPECT_EQ(column(200), (std::array{black, white, grey, black}));
  EXPECT_EQ(column(380), (std::array{black, black, black, black}));
}

}  // namespace
}  // namespace pricewright::testing
