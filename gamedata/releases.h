#pragma once

#include <span>
#include <string_view>

#include "gamedata/game_layout.h"

namespace pricewright {

// A released game file, known by its MD5.
struct Release {
  std::string_view name;     // as scripts see it: "1.09b", "GOG"
  std::string_view shown;    // as the player reads it: "Diablo 1.09 (GOG)"
  std::string_view md5;      // lowercase hexadecimal; empty while not known
  const GameLayout* layout;  // none where no row says where its tables lie, so they are found
  Game game = Game::Diablo;
};

std::span<const Release> releases();

// The release whose file's MD5 is `md5`, in lowercase hexadecimal, if any.
const Release* releaseWithMd5(std::string_view md5);

// The release the game's expansion is, whether or not its MD5 is known.
const Release& hellfireRelease();

// What Pricewright reads, said where a file turns out to be something else.
inline constexpr std::string_view kWhatPricewrightReads =
    "Pricewright reads the game files of versions 1.07 and 1.09 (also 1.09b and the GOG release) and mods of "
    "them.";

// No release of the game is this large; a file of this size or more is no released file.
inline constexpr std::int32_t kLargestRelease = 1 << 20;

// Nor is any mod of it this large; a larger file is not searched for the game's tables.
inline constexpr std::int32_t kLargestSearched = 16 << 20;

}  // namespace pricewright
