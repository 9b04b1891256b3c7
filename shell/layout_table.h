#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pricewright {

// Window layouts are held in twips: 1440 to the inch, so 15 to a pixel at 96
// dots per inch. A shell scales them to the display's pixels.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr double exactPixels(int twips) { return static_cast<double>(twips) / kTwipsPerPixel; }

enum class ControlKind {
  Label,          // one line, sized to its caption
  WrappingLabel,  // fixed size, wraps at word boundaries
  List,           // editable drop-down list
  PickList,       // drop-down list of fixed entries
  TextBox,
  Button,
  CheckBox,
  Picture,  // the application icon
};

enum class FontWeight { Regular, Bold };

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  constexpr bool operator==(const Rgb&) const = default;
};
// A fixed colour, or none for the toolkit's standard colours.
using Colour = std::optional<Rgb>;
inline constexpr Colour kStandardColour = std::nullopt;
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{128, 128, 128};

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
  Rgb colour;
  int pixelWidth;
};

// What choosing a menu item does. RecentFiles marks where the recent files
// are listed, each opening its file.
enum class MenuCommand { OpensMenu, Open, RecentFiles, Exit, About, Details };

// A menu-bar entry (`menu` empty) or an item of the menu named `menu`. A
// menu-bar entry with no items of its own is a command.
struct MenuSpec {
  std::string_view name;
  std::string_view caption;
  std::string_view menu;
  std::string_view shortcut;  // "Ctrl+O"
  MenuCommand command;
};

// What a screen reader says of a control that takes the focus.
struct AccessibleText {
  std::string_view control;
  std::string_view name;
  std::string_view description;
};

struct WindowSpec {
  std::string_view name;
  std::string_view caption;
  int clientWidth;  // twips, below the menu bar
  int clientHeight;
  Rgb background;
};

}  // namespace pricewright
