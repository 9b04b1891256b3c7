#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/game_layout.h"

namespace pricewright {

// The four tables as the search by their records' shape found them, or why it found none.
struct TableSearch {
  std::optional<std::array<TableLayout, 4>> tables;  // in the order of kTables
  std::string failure;  // in plain words: the tables it misses, or those it cannot choose between
};

// Searches `bytes`, a file's bytes from its first, for the four tables by the
// shape of their records alone, never by what their names say, since mods
// rename things. A table is a run of records, each in its plausible ranges
// and pointing through `addresses` to a short zero-terminated name in the
// file (a base item may have none, most have one), that begins with a named
// record and ends as the game ends it: the affix tables with a record whose
// power is -1, the suffixes right after the prefixes' end; the base items
// with a record whose location is -1; the spells begin with the empty spell,
// and each record holds its own row as its id. A run shorter than any table
// of the game counts for nothing; of several runs the longest is the table,
// and two equally long ones leave the file unread.
TableSearch findTables(std::string_view bytes, const AddressMap& addresses);

}  // namespace pricewright
