#include "app/widget_builder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>

namespace pricewright {
namespace {

using enum ControlKind;

template <typename Control = QWidget> Control& child(QWidget& parent, const char* name) {
  auto* control = parent.findChild<Control*>(name);
  if (!control) throw std::runtime_error(std::string("no control of that kind named ") + name);
  return *control;
}

TEST(WidgetBuilder, BuildsTheTableInPixelsUnderControlNamesInColoursNoDarkThemeChanges) {
  const QPalette saved = QApplication::palette();
  QPalette dark(QColor(48, 48, 48), QColor(48, 48, 48));
  dark.setColor(QPalette::WindowText, QColor(250, 250, 250));
  QApplication::setPalette(dark);
  constexpr std::array controls = std::to_array<ControlSpec>({
      {"txtValue", TextBox, "", 300, 150, 1500, 300, 0},
      {"cboThings", List, "", 15, 30, 1935, 315, 2},
      {"cmdGo", Button, "Go", 3240, 2040, 1215, 255, 1},
      {"lblLong", Label, "Cost at Griswold's", 600, 600, 15, 15, 3, kWhite, kBlack},
      {"lblNote", WrappingLabel, "one two three four five six seven eight nine ten", 360, 1680, 1500, 900, 4,
       kWhite, kBlack},
  });
  QWidget window;
  applyWindowSpec(window, window, WindowSpec{"frmTest", "Test", 4500, 3000, kBlack});
  buildControls(window, controls);
  const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QApplication::setPalette(saved);

  EXPECT_EQ(child<QLineEdit>(window, "txtValue").geometry(), QRect(20, 10, 100, 20));
  EXPECT_EQ(child<QComboBox>(window, "cboThings").geometry(), QRect(1, 2, 129, 21));
  EXPECT_EQ(child<QPushButton>(window, "cmdGo").geometry(), QRect(216, 136, 81, 17));
  EXPECT_EQ(child<QPushButton>(window, "cmdGo").text(), "Go");
  // A one-line label fits itself to its caption; a wrapping one keeps its size.
  auto& label = child<QLabel>(window, "lblLong");
  EXPECT_EQ(label.geometry(), QRect(QPoint(40, 40), label.sizeHint()));
  EXPECT_FALSE(label.wordWrap());
  auto& note = child<QLabel>(window, "lblNote");
  EXPECT_EQ(note.geometry(), QRect(24, 112, 100, 60));
  EXPECT_TRUE(note.wordWrap());
  EXPECT_GT(note.heightForWidth(100), note.fontMetrics().height());
  // The window and the label stay white on black.
  EXPECT_EQ(image.pixel(295, 5), kBlack);
  const QImage caption = image.copy(label.geometry());
  const std::span shown(reinterpret_cast<const QRgb*>(caption.constBits()), caption.sizeInBytes() / 4);
  EXPECT_EQ(shown.front(), kBlack);
  EXPECT_NE(std::ranges::find(shown, kWhite), shown.end());
}

}  // namespace
}  // namespace pricewright
