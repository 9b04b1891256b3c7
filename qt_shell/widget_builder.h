#pragma once

#include <QColor>
#include <QString>

#include <span>
#include <string_view>

#include "shell/layout_table.h"

class QMenuBar;
class QWidget;

namespace pricewright {

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

// The one thin layer between the layout tables and Qt. Every widget it makes
// is named after its control, so tests and accessibility tools find it.

// Names `window`, gives it its caption and fixes its client area, which is the
// window itself or, below a menu bar, its central widget: the size from the
// layout and the background colour.
void applyWindowSpec(QWidget& window, QWidget& clientArea, const WindowSpec& layout);

// Makes the controls as children of `clientArea`, in the layout's places and
// sizes, with their captions, fonts and colours, in tab order.
void buildControls(QWidget& clientArea, std::span<const ControlSpec> controls);

// Draws the lines on `clientArea`; later lines lie on top of earlier ones.
void buildLines(QWidget& clientArea, std::span<const LineSpec> lines);

// Fills the menu bar: menus with their items, shortcuts and commands.
void buildMenus(QMenuBar& menuBar, std::span<const MenuSpec> menus);

}  // namespace pricewright
