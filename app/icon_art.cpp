#include "app/icon_art.h"

#include <stdexcept>
#include <string>

namespace pricewright {

namespace {
// '.' transparent, K black, m maroon, g grey, s silver, r red, W white.
std::optional<int> paletteIndexOf(char pixel) {
  switch (pixel) {
  case '.': return std::nullopt;
  case 'K': return 0;
  case 'm': return 1;
  case 's': return 7;
  case 'g': return 8;
  case 'r': return 9;
  case 'W': return 15;
  }
  throw std::logic_error(std::string("icon art uses an unknown colour '") + pixel + "'");
}

// clang-format off
constexpr std::array<std::string_view, 32> kSkull32{
    "..K..........................K..",
    ".KsK........................KsK.",
    ".KWgK......................KgWK.",
    "KWsgK......................KgsWK",
    "KWsgK.......KKKKKKKK.......KgsWK",
    "KWssgK....KKsWWWWWWsKK....KgssWK",
    "KgggggK..KsWWWWWWWWWWsK..KgggggK",
    "KWsssgK.KsWWWWWWWWWWWWsK.KgsssWK",
    ".KWssggKsWWWWWWWWWWWWWWsKggssWK.",
    ".KgggggKsWWWWWWWWWWWWWWsKgggggK.",
    "..KWssgsWWWWWWWWWWWWWWWWsgssWK..",
    "...KKgsWWWWWWWWWWWWWWWWWWsgKK...",
    "....KsWWWWWWWWWWWWWWWWWWWWsK....",
    "....KsWWWWWWWWWWWWWWWWWWWWsK....",
    "....KsWWKKKKKWWWWWWKKKKKWWsK....",
    "....KsWKKKKKKKWWWWKKKKKKKWsK....",
    "....KsWKKmrmKKWWWWKKmrmKKWsK....",
    "....KsWKKrrrKKWWWWKKrrrKKWsK....",
    "....KgsKKmrmKKsWWsKKmrmKKsgK....",
    "....KgsWKKKKKsWWWWsKKKKKWsgK....",
    ".....KgssssssWKKKKWssssssgK.....",
    "......KgsssssWKKKKWsssssgK......",
    ".......KgssssWsKKsWssssgK.......",
    "........KgWKWKWKKWKWKWgK........",
    "........KgWKWKWKKWKWKWgK........",
    "........KKKKKKKKKKKKKKKK........",
    ".........KWKWKWKKWKWKWK.........",
    ".........KgWKWKWWKWKWgK.........",
    "..........KgsssWWsssgK..........",
    "...........KKgssssgKK...........",
    ".............KKKKKK.............",
    "................................",
};

constexpr std::array<std::string_view, 16> kSkull16{
    "K..............K",
    "KsK..........KsK",
    "KWgK.KKKKKK.KgWK",
    "KWsgKsWWWWsKgsWK",
    ".KggsWWWWWWsggK.",
    "..KsWWWWWWWWsK..",
    "..KsKKKWWKKKsK..",
    "..KsKrKWWKrKsK..",
    "..KgKKKWWKKKgK..",
    "...KgsWKKWsgK...",
    "....KgWKKWgK....",
    "....KWKWWKWK....",
    "....KKKKKKKK....",
    ".....KWKKWK.....",
    "......KKKK......",
    "................",
};
// clang-format on

constexpr std::array kArts{IconArt{32, kSkull32}, IconArt{16, kSkull16}};
}  // namespace

std::span<const IconArt> iconArts() { return kArts; }

std::optional<int> paletteIndexAt(const IconArt& art, int x, int y) {
  return paletteIndexOf(art.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
}

}  // namespace pricewright
