#pragma once

#include <cstdint>
#include <string>

#include "gamedata/byte_source.h"
#include "gamedata/game_layout.h"

namespace pricewright {

// The fields of a prefix or suffix record that pricing uses.
struct AffixRecord {
  std::int32_t effectMin = 0;
  std::int32_t effectMax = 0;
  std::int32_t costMin = 0;
  std::int32_t costMax = 0;
  std::int32_t priceMultiplier = 0;
};

struct SpellRecord {
  std::int32_t chargesMin = 0;
  std::int32_t chargesMax = 0;
  std::int32_t chargeValue = 0;
};

// What picking a record shows: an affix's effect range or a spell's charges.
struct ValueRange {
  std::int32_t low = 0;
  std::int32_t high = 0;
};

// The game file's records by table and index, as its layout places them,
// read from `bytes` on each call: one read per record, whose fields are then
// taken in a fixed order, so that a failed read names the first field that
// fails in that order ("Reading CostMax of prefix record 3: ...").
class GameRecords {
public:
  GameRecords(const ByteSource& bytes, const GameLayout& layout) : bytes_(bytes), layout_(layout) {}

  const GameLayout& layout() const { return layout_; }

  // A prefix or suffix record, its fields read in the order CostMax, CostMin,
  // EffectMax, EffectMin, PriceMultiplier.
  AffixRecord affix(Table table, ListIndex index) const;
  std::int32_t basePrice(ListIndex index) const;
  // ChargeValue first, which pricing needs, then ChargesMin and ChargesMax.
  SpellRecord spell(ListIndex index) const;
  // The range a pick of a prefix, suffix or spell shows, low then high.
  ValueRange range(Table table, ListIndex index) const;
  // A shop's price limit: read from the file, or the game's own where the layout has no place for it.
  std::int32_t limit(Shop shop) const;

  // The record's list entry: its name cut before the first zero byte, or the
  // placeholder of a base item whose NameAddress is 0.
  std::string entryText(Table table, ListIndex index) const;

private:
  template <std::size_t N>
  std::array<std::int32_t, N> fields(Table table, ListIndex index, const std::array<Field, N>& wanted) const;

  const ByteSource& bytes_;
  const GameLayout& layout_;
};

}  // namespace pricewright
