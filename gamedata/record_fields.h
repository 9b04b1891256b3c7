#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "gamedata/tables.h"

namespace pricewright {

// The game's three kinds of record and every field Pricewright reads of them.
// A field lies at the same offset from its record's first byte in every
// layout, so the shape is said once, here; a layout says only where each
// table starts and how many records it has.

struct AffixRecord {
  std::int32_t effectMin = 0;
  std::int32_t effectMax = 0;
  std::int32_t costMin = 0;
  std::int32_t costMax = 0;
  std::int32_t priceMultiplier = 0;
  std::int32_t power = 0;         // the effect's kind; 15 is "charges"
  std::int32_t minimumLevel = 0;  // the lowest item level that can roll it
  std::int32_t itemKinds = 0;     // the kinds of item it may go on, as flags
  std::int32_t alignment = 0;     // 0 any, 0x01 evil, 0x10 good
  std::int32_t doubleChance = 0;  // drawn twice as often
  std::int32_t useful = 0;        // the shops ask for useful affixes only
};

struct BaseItemRecord {
  std::int32_t basePrice = 0;
  std::int32_t dropRate = 0;  // 0 never, 1 regular, 2 double
  std::int32_t itemClass = 0;
  std::int32_t location = 0;
  std::int32_t graphic = 0;
  std::int32_t itemType = 0;
  std::int32_t minimumLevel = 0;
  std::int32_t miscKind = 0;
  std::int32_t spell = 0;  // the spell of a scroll or book, by id
};

struct SpellRecord {
  std::int32_t chargesMin = 0;
  std::int32_t chargesMax = 0;
  std::int32_t chargeValue = 0;  // a staff's value per five charges
  std::int32_t id = 0;
  std::int32_t bookLevel = 0;   // -1: never in a book
  std::int32_t staffLevel = 0;  // -1: never on a staff
  std::int32_t bookCost = 0;
};

// One byte holds the game's signed char, with padding of any content after
// it; a value is the 4-byte little-endian signed integer.
enum class FieldWidth { Byte, Value };

// A place in a record, as messages name it: "CostMax" at offset 40.
struct Field {
  std::string_view name;
  std::int32_t offset;
};

template <typename Record> struct RecordField {
  std::string_view name;  // as messages name it: "MinimumLevel"
  std::string_view key;   // as scripts see it: "minimum_level"
  std::int32_t offset;    // from the record's first byte
  FieldWidth width;
  std::int32_t Record::*member;

  constexpr Field field() const { return {name, offset}; }
};

// Each record's fields in the order they are read, so that a failed read
// names the first of them that fails: the ones pricing reads first, in the
// order it always read them.
// clang-format off
inline constexpr std::array kAffixFields = std::to_array<RecordField<AffixRecord>>({
    // name            key              offset width              member
    {"CostMax",         "cost_max",      40, FieldWidth::Value, &AffixRecord::costMax},
    {"CostMin",         "cost_min",      36, FieldWidth::Value, &AffixRecord::costMin},
    {"EffectMax",       "effect_max",    12, FieldWidth::Value, &AffixRecord::effectMax},
    {"EffectMin",       "effect_min",    8,  FieldWidth::Value, &AffixRecord::effectMin},
    {"PriceMultiplier", "multiplier",    44, FieldWidth::Value, &AffixRecord::priceMultiplier},
    {"Power",           "power",         4,  FieldWidth::Value, &AffixRecord::power},
    {"MinimumLevel",    "minimum_level", 16, FieldWidth::Byte,  &AffixRecord::minimumLevel},
    {"ItemKinds",       "item_kinds",    20, FieldWidth::Value, &AffixRecord::itemKinds},
    {"Alignment",       "alignment",     24, FieldWidth::Byte,  &AffixRecord::alignment},
    {"DoubleChance",    "double_chance", 28, FieldWidth::Value, &AffixRecord::doubleChance},
    {"Useful",          "useful",        32, FieldWidth::Value, &AffixRecord::useful},
});
inline constexpr std::array kBaseItemFields = std::to_array<RecordField<BaseItemRecord>>({
    {"BasePrice",       "base_price",    68, FieldWidth::Value, &BaseItemRecord::basePrice},
    {"DropRate",        "drop_rate",     0,  FieldWidth::Value, &BaseItemRecord::dropRate},
    {"Class",           "class",         4,  FieldWidth::Byte,  &BaseItemRecord::itemClass},
    {"Location",        "location",      5,  FieldWidth::Byte,  &BaseItemRecord::location},
    {"Graphic",         "graphic",       8,  FieldWidth::Value, &BaseItemRecord::graphic},
    {"ItemType",        "item_type",     12, FieldWidth::Byte,  &BaseItemRecord::itemType},
    {"MinimumLevel",    "minimum_level", 24, FieldWidth::Byte,  &BaseItemRecord::minimumLevel},
    {"MiscKind",        "misc_kind",     56, FieldWidth::Value, &BaseItemRecord::miscKind},
    {"Spell",           "spell",         60, FieldWidth::Value, &BaseItemRecord::spell},
});
inline constexpr std::array kSpellFields = std::to_array<RecordField<SpellRecord>>({
    {"ChargeValue",     "charge_value",  52, FieldWidth::Value, &SpellRecord::chargeValue},
    {"ChargesMin",      "charges_min",   40, FieldWidth::Value, &SpellRecord::chargesMin},
    {"ChargesMax",      "charges_max",   44, FieldWidth::Value, &SpellRecord::chargesMax},
    {"Id",              "id",            0,  FieldWidth::Byte,  &SpellRecord::id},
    {"BookLevel",       "book_level",    12, FieldWidth::Value, &SpellRecord::bookLevel},
    {"StaffLevel",      "staff_level",   16, FieldWidth::Value, &SpellRecord::staffLevel},
    {"BookCost",        "book_cost",     48, FieldWidth::Value, &SpellRecord::bookCost},
});
// clang-format on

// The field of `fields` that holds `member`.
template <typename Record, std::size_t N>
constexpr const RecordField<Record>& fieldFor(const std::array<RecordField<Record>, N>& fields,
                                              std::int32_t Record::*member) {
  return *std::ranges::find(fields, member, &RecordField<Record>::member);
}

// What every table's records share, whatever the layout.
struct TableShape {
  std::string_view name;  // "prefix", as messages name a record's table
  std::string_view key;   // "prefixes", as scripts see the table
  std::int16_t recordSize;
  Field nameAddress;  // the name's load address
};
// In the order of kTables.
inline constexpr std::array<TableShape, 4> kTableShapes{{
    {"prefix", "prefixes", 48, {"NameAddress", 0}},
    {"suffix", "suffixes", 48, {"NameAddress", 0}},
    {"base item", "base_items", 76, {"NameAddress", 16}},
    {"spell", "spells", 56, {"NameAddress", 4}},
}};
constexpr const TableShape& shapeOf(Table table) { return kTableShapes[indexOf(table)]; }

}  // namespace pricewright
