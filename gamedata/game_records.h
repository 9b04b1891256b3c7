#pragma once

#include <cstdint>
#include <string>

#include "gamedata/byte_source.h"
#include "gamedata/game_layout.h"
#include "gamedata/record_fields.h"

namespace pricewright {

// What picking a record shows: an affix's effect range or a spell's charges.
struct ValueRange {
  std::int32_t low = 0;
  std::int32_t high = 0;
};

// The game file's records by table and index, as its layout places them,
// read from `bytes` on each call: one read per record, whose fields are then
// taken in the order of their table in gamedata/record_fields.h, so that a
// failed read names the first field that fails in that order ("Reading
// CostMax of prefix record 3: ...").
class GameRecords {
public:
  GameRecords(const ByteSource& bytes, const GameLayout& layout) : bytes_(bytes), layout_(layout) {}

  const GameLayout& layout() const { return layout_; }

  AffixRecord affix(Table table, ListIndex index) const;
  BaseItemRecord baseItem(ListIndex index) const;
  SpellRecord spell(ListIndex index) const;
  // The range a pick of a prefix, suffix or spell shows, low then high; only those two fields are read.
  ValueRange range(Table table, ListIndex index) const;
  // A shop's price limit: read from the file, or the game's own where the layout has no place for it.
  std::int32_t limit(Shop shop) const;

  // The record's list entry: its name cut before the first zero byte, or the
  // placeholder of a base item whose NameAddress is 0.
  std::string entryText(Table table, ListIndex index) const;

private:
  template <typename Record, std::size_t N>
  Record record(Table table, ListIndex index, const std::array<RecordField<Record>, N>& fields) const;

  const ByteSource& bytes_;
  const GameLayout& layout_;
};

}  // namespace pricewright
