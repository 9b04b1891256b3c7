#pragma once

#include <cstdint>
#include <string>

#include "gamedata/game_executable.h"
#include "gamedata/game_file_layout.h"

namespace pricewright {

// The four tables and the names they point to, each read at once: two reads
// of the file in place of hundreds. Whatever lies outside what was read is
// asked of the file itself, so every read fails exactly as it would without.
class TableSnapshot {
public:
  explicit TableSnapshot(const GameExecutable& executable);

  std::int32_t readField(const TableLayout& table, const FieldLayout& field, ListIndex index) const;
  // The record's entry as its list shows it: its name, or the placeholder of a nameless base item.
  std::string entryText(const TableLayout& table, ListIndex index) const;

private:
  RegionSnapshot tables_;
  RegionSnapshot names_;
};

}  // namespace pricewright
