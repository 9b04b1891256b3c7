#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "gamedata/address_map.h"
#include "gamedata/record_fields.h"
#include "gamedata/tables.h"

namespace pricewright {

// Where one release family of the game keeps what Pricewright reads: a row of
// data per layout (gamedata/game_layouts.h). The records' shape is the same
// in every layout (gamedata/record_fields.h); a layout says where each table
// starts and how many records it has. Offsets are zero-based; the reader
// names places by 1-based file position, the offset plus 1.

struct TableLayout {
  std::int32_t firstRecord;  // offset of record 0's first byte
  std::int16_t recordCount;  // records loaded into the list
};

// A shop's price limit: read at its offset where the layout knows it, else the game's own value.
struct LimitLayout {
  std::optional<std::int32_t> offset;
  std::int32_t gameValue = 0;
};

// The text a release family carries at a fixed offset, which names its layout.
struct VersionText {
  std::int32_t offset;
  std::string_view text;
};

// The game whose rules the file's shops follow: the expansion's differ.
enum class Game { Diablo, Hellfire };

struct GameLayout {
  std::string_view name;  // "1.07", as the player knows the version
  Game game = Game::Diablo;
  VersionText versionText;
  AddressMap addresses;               // where a name's load address lies in the file
  std::array<TableLayout, 4> tables;  // in the order of kTables
  std::array<LimitLayout, 3> limits;  // in the order of kShopOrder

  constexpr const TableLayout& table(Table which) const { return tables[indexOf(which)]; }
  constexpr const LimitLayout& limit(Shop shop) const { return limits[indexOf(shop)]; }
  // Whether the file holds the shops' limits, or the layout gives the game's own.
  constexpr bool limitsInFile() const {
    return std::ranges::all_of(limits, [](const LimitLayout& limit) { return limit.offset.has_value(); });
  }
};

// Said wherever limits are shown that the layout gives rather than the file.
inline constexpr std::string_view kGameOwnLimits =
    "These limits are the game's own: Pricewright does not read them from this file.";

// The 1-based position of `field` in record `index` of `table`: the product
// in signed 16-bit and the sum in signed 32-bit arithmetic, raising Overflow
// outside them. The index is not compared with the record count, so -1 lies
// one record before the table.
std::int32_t fieldPosition(const GameLayout& layout, Table table, Field field, ListIndex index);

// The 1-based position of the name text that `nameAddress` points to; raises
// Overflow where the position leaves the 32-bit range, and Bad record number
// where the address lies in no section of a Windows program.
std::int32_t namePosition(const GameLayout& layout, std::int32_t nameAddress);

}  // namespace pricewright
