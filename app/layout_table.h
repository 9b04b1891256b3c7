#pragma once

#include <QRgb>
#include <QString>

#include <optional>
#include <string_view>

namespace pricewright {

// Window layouts are held in twips: 1440 to the inch, so 15 to a pixel at 96
// dots per inch. Qt's device-independent pixels are such pixels, and its
// high-DPI scaling then scales positions, sizes and fonts together.
inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr double exactPixels(int twips) { return static_cast<double>(twips) / kTwipsPerPixel; }

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

enum class ControlKind {
  Label,          // one line, sized to its caption
  WrappingLabel,  // fixed size, wraps at word boundaries
  List,           // editable drop-down list
  TextBox,
  Button,
  CheckBox,
  Picture,  // the application icon
};

enum class FontWeight { Regular, Bold };

// A fixed colour, or none for the toolkit's standard colours.
using Colour = std::optional<QRgb>;
inline constexpr Colour kStandardColour = std::nullopt;
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kGrey = qRgb(128, 128, 128);

// One control: position and size in twips from the client area's top-left
// corner. Controls that take the focus take it in tab index order.
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  int left;
  int top;
  int width;
  int height;
  int tabIndex;
  Colour foreground = kStandardColour;
  Colour background = kStandardColour;
  FontWeight weight = FontWeight::Bold;
};

// A straight line in twips, drawn with a solid pen `pixelWidth` pixels wide.
// Lines that share a name are the members of one line array.
struct LineSpec {
  std::string_view name;
  int index;
  int x1;
  int y1;
  int x2;
  int y2;
  QRgb colour;
  int pixelWidth;
};

// A menu-bar entry (`menu` empty) or an item of the menu named `menu`. A
// menu-bar entry with no items of its own is a command.
struct MenuSpec {
  std::string_view name;
  std::string_view caption;
  std::string_view menu;
  std::string_view shortcut;  // portable key sequence text, "Ctrl+O"
};

struct WindowSpec {
  std::string_view name;
  std::string_view caption;
  int clientWidth;  // twips, below the menu bar
  int clientHeight;
  QRgb background;
};

}  // namespace pricewright
