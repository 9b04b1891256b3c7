#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pricewright {

// The game file's four tables, in the order in which the lists are cleared and filled.
enum class Table { Prefixes, Suffixes, BaseItems, Spells };
inline constexpr std::array kTables{Table::Prefixes, Table::Suffixes, Table::BaseItems, Table::Spells};
constexpr std::size_t indexOf(Table table) { return static_cast<std::size_t>(table); }

// A record's index in its table, which is also its entry's index in its list:
// a list's selected entry as a signed 16-bit number, -1 for no selection.
using ListIndex = std::int16_t;
inline constexpr ListIndex kNoSelection = -1;

// The game's three shops, in the order in which their notes are shown.
enum class Shop { Griswold, Wirt, Adria };
inline constexpr std::array kShopOrder{Shop::Griswold, Shop::Wirt, Shop::Adria};
constexpr std::size_t indexOf(Shop shop) { return static_cast<std::size_t>(shop); }

}  // namespace pricewright
