#include "gamedata/game_records.h"

#include <algorithm>
#include <array>

#include "gamedata/error.h"
#include "gamedata/name_text.h"
#include "gamedata/region_snapshot.h"

namespace pricewright {

namespace {
constexpr std::array<std::string_view, 3> kLimitNames{"GriswoldLimit", "WirtLimit", "AdriaLimit"};

// A failed read, saying what it was after; the text is built only on failure.
template <typename Read, typename Describe> std::int32_t readNaming(Read read, Describe describe) {
  try {
    return read();
  } catch (const RuntimeError& error) {
    throw RuntimeError(error.number(), "Reading " + describe() + ": " + error.whatFailed());
  }
}
}  // namespace

template <std::size_t N>
std::array<std::int32_t, N> GameRecords::fields(Table table, ListIndex index,
                                                const std::array<Field, N>& wanted) const {
  const TableLayout& at = layout_.table(table);
  std::array<std::int32_t, N> positions{};
  for (std::size_t f = 0; f < N; ++f) positions[f] = fieldPosition(at, wanted[f], index);
  const auto [first, last] = std::ranges::minmax(positions);
  const RegionSnapshot record(bytes_, first, last + kRecordValueSize);
  std::array<std::int32_t, N> values{};
  for (std::size_t f = 0; f < N; ++f)
    values[f] = readNaming([&] { return record.readValue(positions[f]); },
                           [&] {
                             return std::string(wanted[f].name) + " of " + std::string(at.name) + " record " +
                                    std::to_string(index);
                           });
  return values;
}

AffixRecord GameRecords::affix(Table table, ListIndex index) const {
  const AffixFields& at = layout_.affix;
  const auto [costMax, costMin, effectMax, effectMin, priceMultiplier] =
      fields(table, index,
             std::array<Field, 5>{{{"CostMax", at.costMax},
                                   {"CostMin", at.costMin},
                                   {"EffectMax", at.effectMax},
                                   {"EffectMin", at.effectMin},
                                   {"PriceMultiplier", at.priceMultiplier}}});
  return {effectMin, effectMax, costMin, costMax, priceMultiplier};
}

std::int32_t GameRecords::basePrice(ListIndex index) const {
  return fields(Table::BaseItems, index, std::array{Field{"BasePrice", layout_.baseItem.basePrice}})[0];
}

SpellRecord GameRecords::spell(ListIndex index) const {
  const SpellFields& at = layout_.spell;
  const auto [chargeValue, chargesMin, chargesMax] = fields(
      Table::Spells, index,
      std::array<Field, 3>{
          {{"ChargeValue", at.chargeValue}, {"ChargesMin", at.chargesMin}, {"ChargesMax", at.chargesMax}}});
  return {chargesMin, chargesMax, chargeValue};
}

ValueRange GameRecords::range(Table table, ListIndex index) const {
  const std::array<Field, 2> ends = table == Table::Spells
                                        ? std::array<Field, 2>{{{"ChargesMin", layout_.spell.chargesMin},
                                                                {"ChargesMax", layout_.spell.chargesMax}}}
                                        : std::array<Field, 2>{{{"EffectMin", layout_.affix.effectMin},
                                                                {"EffectMax", layout_.affix.effectMax}}};
  const auto [low, high] = fields(table, index, ends);
  return {low, high};
}

std::int32_t GameRecords::limit(Shop shop) const {
  const LimitLayout& limit = layout_.limit(shop);
  if (!limit.offset) return limit.gameValue;
  return readNaming([&] { return bytes_.readValue(*limit.offset + 1); },
                    [&] { return std::string(kLimitNames[indexOf(shop)]); });
}

std::string GameRecords::entryText(Table table, ListIndex index) const {
  const TableLayout& at = layout_.table(table);
  const std::int32_t nameAddress =
      bytes_.readValue(fieldPosition(at, {"NameAddress", at.nameAddress}, index));
  // Base items without a name of their own keep their place in the list.
  if (nameAddress == 0 && table == Table::BaseItems) return placeholderEntry(index);
  return nameFieldToText(bytes_.readNameField(namePosition(layout_, nameAddress)));
}

}  // namespace pricewright
