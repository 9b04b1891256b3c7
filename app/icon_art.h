#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pricewright {

// The application icon, a horned skull in greys and white with red accents,
// drawn as text: one row of characters per pixel row, one character a pixel.
// The same art gives the program file's .ico and the windows' icon.
struct IconArt {
  int size;  // square, in pixels
  std::span<const std::string_view> rows;
};

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The classic 16-colour palette, which the .ico stores with 4 bits a pixel.
inline constexpr std::array<Rgb, 16> kIconPalette{{
    {0, 0, 0},        // 0 black
    {128, 0, 0},      // 1 maroon
    {0, 128, 0},      // 2 green
    {128, 128, 0},    // 3 olive
    {0, 0, 128},      // 4 navy
    {128, 0, 128},    // 5 purple
    {0, 128, 128},    // 6 teal
    {192, 192, 192},  // 7 silver
    {128, 128, 128},  // 8 grey
    {255, 0, 0},      // 9 red
    {0, 255, 0},      // 10 lime
    {255, 255, 0},    // 11 yellow
    {0, 0, 255},      // 12 blue
    {255, 0, 255},    // 13 fuchsia
    {0, 255, 255},    // 14 aqua
    {255, 255, 255},  // 15 white
}};

// The icon's images, largest first: 32 x 32, then 16 x 16.
std::span<const IconArt> iconArts();

// The palette index of pixel (x, y), or none where the icon is transparent.
std::optional<int> paletteIndexAt(const IconArt& art, int x, int y);

}  // namespace pricewright
