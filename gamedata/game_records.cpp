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

std::int32_t readField(const ByteSource& bytes, std::int32_t position, FieldWidth width) {
  if (width == FieldWidth::Value) return bytes.readValue(position);
  std::array<char, 1> byte{};
  bytes.readBytes(position, byte);
  return static_cast<signed char>(byte[0]);
}
}  // namespace

template <typename Record, std::size_t N>
Record GameRecords::record(Table table, ListIndex index,
                           const std::array<RecordField<Record>, N>& fields) const {
  std::array<std::int32_t, N> positions{};
  for (std::size_t f = 0; f < N; ++f) positions[f] = fieldPosition(layout_, table, fields[f].field(), index);
  const auto [first, last] = std::ranges::minmax(positions);
  const RegionSnapshot bytes(bytes_, first, last + kRecordValueSize);
  Record record;
  for (std::size_t f = 0; f < N; ++f)
    record.*fields[f].member = readNaming([&] { return readField(bytes, positions[f], fields[f].width); },
                                          [&] {
                                            return std::string(fields[f].name) + " of " +
                                                   std::string(shapeOf(table).name) + " record " +
                                                   std::to_string(index);
                                          });
  return record;
}

AffixRecord GameRecords::affix(Table table, ListIndex index) const {
  return record(table, index, kAffixFields);
}

BaseItemRecord GameRecords::baseItem(ListIndex index) const {
  return record(Table::BaseItems, index, kBaseItemFields);
}

SpellRecord GameRecords::spell(ListIndex index) const { return record(Table::Spells, index, kSpellFields); }

ValueRange GameRecords::range(Table table, ListIndex index) const {
  if (table == Table::Spells) {
    const SpellRecord charges = record(table, index,
                                       std::array{fieldFor(kSpellFields, &SpellRecord::chargesMin),
                                                  fieldFor(kSpellFields, &SpellRecord::chargesMax)});
    return {charges.chargesMin, charges.chargesMax};
  }
  const AffixRecord effects = record(table, index,
                                     std::array{fieldFor(kAffixFields, &AffixRecord::effectMin),
                                                fieldFor(kAffixFields, &AffixRecord::effectMax)});
  return {effects.effectMin, effects.effectMax};
}

std::int32_t GameRecords::limit(Shop shop) const {
  const LimitLayout& limit = layout_.limit(shop);
  if (!limit.offset) return limit.gameValue;
  return readNaming([&] { return bytes_.readValue(*limit.offset + 1); },
                    [&] { return std::string(kLimitNames[indexOf(shop)]); });
}

std::string GameRecords::entryText(Table table, ListIndex index) const {
  const std::int32_t nameAddress =
      bytes_.readValue(fieldPosition(layout_, table, shapeOf(table).nameAddress, index));
  // Base items without a name of their own keep their place in the list.
  if (nameAddress == 0 && table == Table::BaseItems) return placeholderEntry(index);
  return nameFieldToText(bytes_.readNameField(namePosition(layout_, nameAddress)));
}

}  // namespace pricewright
