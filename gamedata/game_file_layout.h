#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "window_interface/window.h"

namespace pricewright {

// Where everything is read from in version 1.07 of the game executable. File
// positions are 1-based: the zero-based offset is the position minus 1. Nothing
// in the file is validated; any file is read at these positions.

struct TableLayout {
  std::string_view name;              // for messages: "prefix", "base item", ...
  std::int32_t recordZeroPosition;    // position of record 0's first byte
  std::int16_t recordSize;            // bytes per record
  std::int16_t recordCount;           // records loaded into the list
  ListBox list;                       // the list filled from this table
  bool zeroNameAddressIsPlaceholder;  // a NameAddress of 0 marks a nameless record
};

inline constexpr TableLayout kPrefixTable{"prefix", 502521, 48, 83, cboPrefix, false};
inline constexpr TableLayout kSuffixTable{"suffix", 506553, 48, 95, cboSuffix, false};
inline constexpr TableLayout kBaseItemTable{"base item", 582745, 76, 156, cboBase, true};
inline constexpr TableLayout kSpellTable{"spell", 660109, 56, 36, cboSpell, false};

// In the order in which the lists are cleared and filled.
inline constexpr std::array<const TableLayout*, 4> kTables{&kPrefixTable, &kSuffixTable, &kBaseItemTable,
                                                           &kSpellTable};

// The region from the first table's first byte to the last table's end, which
// loading the lists reads at once.
inline constexpr std::int32_t kTablesFirstPosition = kPrefixTable.recordZeroPosition;
inline constexpr std::int32_t kTablesEndPosition =
    kSpellTable.recordZeroPosition + kSpellTable.recordSize * kSpellTable.recordCount;

struct FieldLayout {
  std::string_view name;
  std::int32_t offsetInRecord;
};

// Every record value is a 4-byte little-endian signed integer.
inline constexpr FieldLayout kNameAddress{"NameAddress", 0};
// Affix records (prefix and suffix tables).
inline constexpr FieldLayout kEffectMin{"EffectMin", 8};
inline constexpr FieldLayout kEffectMax{"EffectMax", 12};
inline constexpr FieldLayout kCostMin{"CostMin", 36};
inline constexpr FieldLayout kCostMax{"CostMax", 40};
inline constexpr FieldLayout kPriceMultiplier{"PriceMultiplier", 44};
// Base item records.
inline constexpr FieldLayout kBasePrice{"BasePrice", 52};
// Spell records.
inline constexpr FieldLayout kChargesMin{"ChargesMin", 36};
inline constexpr FieldLayout kChargesMax{"ChargesMax", 40};
inline constexpr FieldLayout kChargeValue{"ChargeValue", 48};

// The shops' price limits; two of them are not 4-byte aligned.
struct SingleValueLayout {
  std::string_view name;
  std::int32_t position;
};
inline constexpr SingleValueLayout kGriswoldLimit{"GriswoldLimit", 148275};
inline constexpr SingleValueLayout kWirtLimit{"WirtLimit", 148690};
inline constexpr SingleValueLayout kAdriaLimit{"AdriaLimit", 149713};

inline constexpr std::int32_t kRecordValueSize = 4;
inline constexpr std::int32_t kNameFieldSize = 30;
// A name's load address minus this is its file position: the game is loaded
// with file offset 0 at address 0x402200.
inline constexpr std::int32_t kNameAddressOfPositionZero = 0x4021FF;

// The position of `field` in record `index` of `table`: the product in signed
// 16-bit and the sum in signed 32-bit arithmetic, raising Overflow outside
// them. The index is not compared with the record count, so -1 lies one record
// before the table.
std::int32_t fieldPosition(const TableLayout& table, const FieldLayout& field, ListIndex index);

// The file position of the name text that `nameAddress` points to; raises
// Overflow for stored values 0x80000000 to 0x804021FE.
std::int32_t namePosition(std::int32_t nameAddress);

}  // namespace pricewright
