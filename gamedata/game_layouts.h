#pragma once

#include <array>

#include "gamedata/game_layout.h"

namespace pricewright {

// One row per layout of the game file. Adding a release family means adding
// its row here and its released files to gamedata/releases.cpp.

// Version 1.07 and its mods. A base item or spell record is read from its
// name field on, so the offsets count from there.
inline constexpr GameLayout kDiablo107{
    .name = "1.07",
    .versionText = {0x8D3C8, "Diablo v1.07"},
    .loadAddressOfFirstByte = 0x402200,
    // name          record 0  size count NameAddress
    .tables = {{{"prefix", 0x7AAF8, 48, 83, 0},
                {"suffix", 0x7BAB8, 48, 95, 0},
                {"base item", 0x8E458, 76, 156, 0},
                {"spell", 0xA128C, 56, 36, 0}}},
    .affix = {.effectMin = 8, .effectMax = 12, .costMin = 36, .costMax = 40, .priceMultiplier = 44},
    .baseItem = {.basePrice = 52},
    .spell = {.chargesMin = 36, .chargesMax = 40, .chargeValue = 48},
    .limits = {{{0x24332}, {0x244D1}, {0x248D0}}},
};

// Versions 1.09 and 1.09b and both GOG builds. The suffixes follow the 83
// prefixes and an empty terminator record; row 0 of the spell table is the
// empty spell. Where the code keeps the shops' limits is not known, so the
// game's own values stand in for them.
inline constexpr GameLayout kDiablo109{
    .name = "1.09",
    .versionText = {0x8C38C, "Diablo v1.09"},
    .loadAddressOfFirstByte = 0x402200,
    .tables = {{{"prefix", 0x79AA8, 48, 83, 0},
                {"suffix", 0x79AA8 + 84 * 48, 48, 95, 0},
                {"base item", 0x8D408, 76, 156, 16},
                {"spell", 0xA01C8 + 56, 56, 36, 4}}},
    .affix = {.effectMin = 8, .effectMax = 12, .costMin = 36, .costMax = 40, .priceMultiplier = 44},
    .baseItem = {.basePrice = 68},
    .spell = {.chargesMin = 40, .chargesMax = 44, .chargeValue = 52},
    .limits = {{{std::nullopt, 140'000}, {std::nullopt, 90'000}, {std::nullopt, 140'000}}},
};

inline constexpr std::array kGameLayouts{&kDiablo107, &kDiablo109};

}  // namespace pricewright
