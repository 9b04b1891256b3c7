#include "app/widget_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace pricewright {
namespace {

using enum ControlKind;

QWidget& child(QWidget& parent, const char* name) {
  auto* widget = parent.findChild<QWidget*>(name);
  if (!widget) throw std::runtime_error(std::string("no control named ") + name);
  return *widget;
}

TEST(WidgetBuilder, PlacesEachControlInPixelsUnderItsName) {
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"txtValue", TextBox, "", 300, 150, 1500, 300, 0},
      {"cboThings", List, "", 15, 30, 1935, 315, 1},
      {"cmdGo", Button, "Go", 3240, 2040, 1215, 255, 2},
      {"chkPlain", CheckBox, "Plain", 3000, 1080, 1815, 255, 3},
  });
  QWidget window;
  buildControls(window, controls);

  EXPECT_EQ(child(window, "txtValue").geometry(), QRect(20, 10, 100, 20));
  EXPECT_EQ(child(window, "cboThings").geometry(), QRect(1, 2, 129, 21));
  EXPECT_EQ(child(window, "cmdGo").geometry(), QRect(216, 136, 81, 17));
  EXPECT_EQ(child(window, "chkPlain").geometry(), QRect(200, 72, 121, 17));
  EXPECT_NE(qobject_cast<QLineEdit*>(&child(window, "txtValue")), nullptr);
  EXPECT_EQ(qobject_cast<QPushButton*>(&child(window, "cmdGo"))->text(), "Go");
  EXPECT_EQ(qobject_cast<QCheckBox*>(&child(window, "chkPlain"))->text(), "Plain");
}

TEST(WidgetBuilder, OneLineLabelsFitThemselvesToTheirCaptions) {
  // The widths in the table are only what the label had in another font.
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"Short", Label, "Spell", 600, 240, 15, 15, 0, kWhite, kBlack},
      {"Long", Label, "Cost at Griswold's", 600, 600, 15, 15, 1, kWhite, kBlack},
  });
  QWidget window;
  buildControls(window, controls);
  auto& shortLabel = child(window, "Short");
  auto& longLabel = child(window, "Long");

  EXPECT_EQ(shortLabel.pos(), QPoint(40, 16));
  EXPECT_EQ(shortLabel.size(), shortLabel.sizeHint());
  EXPECT_EQ(longLabel.size(), longLabel.sizeHint());
  EXPECT_GT(longLabel.width(), shortLabel.width());
  EXPECT_GE(longLabel.width(), longLabel.fontMetrics().horizontalAdvance("Cost at Griswold's"));
  EXPECT_FALSE(qobject_cast<QLabel*>(&longLabel)->wordWrap());
}

TEST(WidgetBuilder, WrappingLabelsKeepTheirSizeAndWrapAtWords) {
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"lblNote", WrappingLabel, "one two three four five six seven eight nine ten eleven twelve", 360, 1680,
       1500, 900, 0, kWhite, kBlack},
  });
  QWidget window;
  buildControls(window, controls);
  auto& label = child(window, "lblNote");

  EXPECT_EQ(label.geometry(), QRect(24, 112, 100, 60));
  EXPECT_TRUE(qobject_cast<QLabel*>(&label)->wordWrap());
  EXPECT_GT(label.heightForWidth(100), label.fontMetrics().height());
}

TEST(WidgetBuilder, TabOrderFollowsTheTabIndexAndSkipsLabels) {
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"third", TextBox, "", 0, 0, 300, 300, 3},
      {"heading", Label, "Heading", 0, 0, 300, 300, 0, kWhite, kBlack},
      {"first", TextBox, "", 0, 0, 300, 300, 1},
      {"second", TextBox, "", 0, 0, 300, 300, 2},
  });
  QWidget window;
  buildControls(window, controls);

  EXPECT_EQ(child(window, "heading").focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(child(window, "first").nextInFocusChain(), &child(window, "second"));
  EXPECT_EQ(child(window, "second").nextInFocusChain(), &child(window, "third"));
}

TEST(WidgetBuilder, ControlsUseTheLayoutsFontWeightAtEightAndAQuarterPoints) {
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"cmdOK", Button, "OK", 0, 0, 300, 300, 0, kStandardColour, kStandardColour, FontWeight::Regular},
      {"lblBold", Label, "Bold", 0, 0, 300, 300, 1, kWhite, kBlack},
  });
  QWidget window;
  buildControls(window, controls);

  EXPECT_EQ(child(window, "cmdOK").font().weight(), QFont::Normal);
  EXPECT_EQ(child(window, "lblBold").font().weight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(child(window, "lblBold").font().pointSizeF(), 8.25);
  const QStringList installed = QFontDatabase::families();
  if (!installed.contains("MS Sans Serif") && !installed.contains("Microsoft Sans Serif") &&
      installed.contains("Liberation Sans")) {
    EXPECT_EQ(QFontInfo(child(window, "lblBold").font()).family(), "Liberation Sans");
  }
}

TEST(WidgetBuilder, ListsAcceptTypingButNeverAddOrSortEntries) {
  constexpr std::array controls = std::to_array<ControlSpec>({{"cboThings", List, "", 0, 0, 1935, 315, 0}});
  QWidget window;
  buildControls(window, controls);
  auto* list = qobject_cast<QComboBox*>(&child(window, "cboThings"));
  list->addItem("Zebra");
  list->addItem("Aardvark");
  list->setCurrentIndex(-1);

  QTest::keyClicks(list->lineEdit(), "Typed");
  QTest::keyClick(list->lineEdit(), Qt::Key_Return);

  EXPECT_TRUE(list->isEditable());
  EXPECT_EQ(list->lineEdit()->text(), "Typed");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), "Zebra");
  EXPECT_EQ(list->itemText(1), "Aardvark");
}

// A light and a dark desktop theme: neither may change the fixed colours.
class FixedColoursTest : public ::testing::TestWithParam<std::array<QRgb, 3>> {
protected:
  void SetUp() override {
    saved_ = QApplication::palette();
    const auto [window, text, base] = GetParam();
    QPalette theme(QColor::fromRgb(window), QColor::fromRgb(window));
    theme.setColor(QPalette::Window, QColor::fromRgb(window));
    theme.setColor(QPalette::WindowText, QColor::fromRgb(text));
    theme.setColor(QPalette::Base, QColor::fromRgb(base));
    QApplication::setPalette(theme);
  }
  void TearDown() override { QApplication::setPalette(saved_); }

private:
  QPalette saved_;
};

TEST_P(FixedColoursTest, WindowAndLabelsStayWhiteOnBlackWhileOtherControlsFollowTheTheme) {
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"lblCaption", Label, "MMMM", 150, 150, 15, 15, 0, kWhite, kBlack},
      {"txtValue", TextBox, "", 1500, 150, 1500, 300, 1},
  });
  QWidget window;
  applyWindowSpec(window, window, WindowSpec{"frmTest", "Test", 4500, 1500, kBlack});
  buildControls(window, controls);
  const QImage image = window.grab().toImage();
  const QImage label = child(window, "lblCaption").grab().toImage();

  EXPECT_EQ(image.pixel(5, 50), kBlack);
  EXPECT_EQ(label.pixel(0, 0), kBlack);
  bool labelHasWhiteText = false;
  for (int y = 0; y < label.height(); ++y)
    for (int x = 0; x < label.width(); ++x) labelHasWhiteText |= label.pixel(x, y) == kWhite;
  EXPECT_TRUE(labelHasWhiteText);
  EXPECT_EQ(child(window, "txtValue").palette().color(QPalette::Base), QColor::fromRgb(GetParam()[2]));
}

INSTANTIATE_TEST_SUITE_P(
    Themes, FixedColoursTest,
    ::testing::Values(std::array<QRgb, 3>{qRgb(240, 240, 240), qRgb(0, 0, 0), qRgb(255, 255, 255)},
                      std::array<QRgb, 3>{qRgb(48, 48, 48), qRgb(250, 250, 250), qRgb(30, 30, 30)}));

TEST(WidgetBuilder, LinesAreDrawnInTheirWidthAndColourTheLaterOnTop) {
  constexpr QRgb kRed = qRgb(255, 0, 0);
  constexpr QRgb kBlue = qRgb(0, 0, 255);
  constexpr std::array lines = std::to_array<LineSpec>({
      {"Rule", 0, 150, 300, 1500, 300, kRed, 2},
      {"Rule", 1, 150, 300, 750, 300, kBlue, 1},
  });
  QWidget window;
  applyWindowSpec(window, window, WindowSpec{"frmTest", "Test", 1800, 600, kBlack});
  buildLines(window, lines);
  const QImage image = window.grab().toImage();

  // The 2-pixel line covers the rows on both sides of its y; the 1-pixel one
  // on top covers one of them, over its own shorter length only.
  const std::array<QRgb, 4> shortSpan{image.pixel(30, 18), image.pixel(30, 19), image.pixel(30, 20),
                                      image.pixel(30, 21)};
  const std::array<QRgb, 4> longSpan{image.pixel(80, 18), image.pixel(80, 19), image.pixel(80, 20),
                                     image.pixel(80, 21)};
  EXPECT_EQ(longSpan, (std::array<QRgb, 4>{kBlack, kRed, kRed, kBlack}));
  EXPECT_EQ(std::count(shortSpan.begin(), shortSpan.end(), kBlue), 1);
  EXPECT_EQ(std::count(shortSpan.begin(), shortSpan.end(), kRed), 1);
  EXPECT_EQ(image.pixel(9, 19), kBlack);
  EXPECT_EQ(image.pixel(101, 19), kBlack);
  EXPECT_EQ(window.findChildren<QWidget*>("Rule").size(), 2);
}

TEST(WidgetBuilder, MenusHoldTheirItemsAndABareEntryIsACommand) {
  constexpr std::array menus = std::to_array<MenuSpec>({
      {"mnuFile", "File", "", ""},
      {"mnuOpen", "Open", "mnuFile", "Ctrl+O"},
      {"mnuExit", "Exit", "mnuFile", ""},
      {"mnuHelp", "Help", "", ""},
  });
  QMenuBar bar;
  buildMenus(bar, menus);

  const QList<QAction*> onTheBar = bar.actions();
  ASSERT_EQ(onTheBar.size(), 2);
  QMenu* file = onTheBar[0]->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->objectName(), "mnuFile");
  EXPECT_EQ(file->title(), "File");
  ASSERT_EQ(file->actions().size(), 2);
  EXPECT_EQ(file->actions()[0]->objectName(), "mnuOpen");
  EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_TRUE(file->actions()[1]->shortcut().isEmpty());
  EXPECT_EQ(onTheBar[1]->objectName(), "mnuHelp");
  EXPECT_EQ(onTheBar[1]->text(), "Help");
  EXPECT_EQ(onTheBar[1]->menu(), nullptr);
}

}  // namespace
}  // namespace pricewright
