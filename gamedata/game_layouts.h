#pragma once

#include <array>

#include "gamedata/game_layout.h"

namespace pricewright {

// Every known release's data section, where the names lie, is loaded so that
// this is the load address of the file's first byte. A file that is no
// Windows program, whose sections cannot say it, is read with it.
inline constexpr std::int32_t kKnownLoadAddressOfFirstByte = 0x402200;

// The game's own limits, for a layout that does not know where its file keeps them.
inline constexpr std::array<LimitLayout, 3> kDiabloOwnLimits{
    {{std::nullopt, 140'000}, {std::nullopt, 90'000}, {std::nullopt, 140'000}}};
inline constexpr std::array<LimitLayout, 3> kHellfireOwnLimits{
    {{std::nullopt, 200'000}, {std::nullopt, 200'000}, {std::nullopt, 200'000}}};

// One row per layout of the game file. Adding a release family means adding
// its row here and its released files to gamedata/releases.cpp.

// Version 1.07 and its mods.
inline constexpr GameLayout kDiablo107{
    .name = "1.07",
    .versionText = {0x8D3C8, "Diablo v1.07"},
    .addresses = {kKnownLoadAddressOfFirstByte},
    // record 0, count, in the order of kTables
    .tables = {{{0x7AAF8, 83}, {0x7BAB8, 95}, {0x8E448, 156}, {0xA1288, 36}}},
    .limits = {{{0x24332}, {0x244D1}, {0x248D0}}},
};

// Versions 1.09 and 1.09b and both GOG builds. The suffixes follow the 83
// prefixes and an empty terminator record; row 0 of the spell table is the
// empty spell. Where the code keeps the shops' limits is not known, so the
// game's own values stand in for them.
inline constexpr GameLayout kDiablo109{
    .name = "1.09",
    .versionText = {0x8C38C, "Diablo v1.09"},
    .addresses = {kKnownLoadAddressOfFirstByte},
    .tables = {{{0x79AA8, 83}, {0x79AA8 + 84 * 48, 95}, {0x8D408, 156}, {0xA01C8 + 56, 36}}},
    .limits = kDiabloOwnLimits,
};

inline constexpr std::array kGameLayouts{&kDiablo107, &kDiablo109};

// Tables found in the file by their records' shape, where nothing names the
// file's layout, make a layout of this name. Their limits are the game's own.
inline constexpr std::string_view kFoundLayoutName = "found";

// Hellfire, the expansion, keeps the same records, more of them. Where they
// lie is not public, so its tables are always found. Found tables of these
// counts, or a file carrying this text, are Hellfire's.
inline constexpr std::array<std::int16_t, 4> kHellfireCounts{86, 98, 166, 51};  // in the order of kTables
inline constexpr std::string_view kHellfireVersionText = "Hellfire v1.01";

}  // namespace pricewright
