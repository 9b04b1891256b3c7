#pragma once

#include <array>
#include <cstdint>

#include "pricing/shop_rules.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::bench {

// A synthetic game file shaped like the real tables: 83 prefixes, 95
// suffixes, 156 base items and 36 spells, with made-up but lifelike levels,
// ranges, costs, kinds and flags, so that the shops' odds come out as a
// player would see them. The odds benchmark reads it, and the pictures show it.
inline tests::GameFileFixture lifelikeFile() {
  tests::GameFileFixture file;
  // A fixed pattern of made-up numbers, the same on every run.
  std::uint64_t pattern = 20;
  const auto between = [&](int low, int high) {
    pattern = pattern * 6364136223846793005U + 1442695040888963407U;
    return low + static_cast<int>((pattern >> 33) % static_cast<std::uint64_t>(high - low + 1));
  };
  // The kinds of item the affixes go on, about as often as the real tables have them.
  const std::array<std::int32_t, 8> kinds{kWeaponFlag | kBowFlag,
                                          kWeaponFlag,
                                          kArmourFlag | kShieldFlag,
                                          kArmourFlag,
                                          kMiscFlag,
                                          kWeaponFlag | kStaffFlag | kBowFlag,
                                          kMiscFlag | kArmourFlag,
                                          kStaffFlag};
  for (const Table table : {Table::Prefixes, Table::Suffixes})
    for (ListIndex index = 0; index < file.layout().table(table).recordCount; ++index) {
      const int low = between(1, 20);
      const int cost = between(100, 20'000);
      const bool cursed = between(0, 5) == 0;
      file.setAffix(table, index,
                    {.effectMin = low,
                     .effectMax = low + between(0, 60),
                     .costMin = cursed ? -cost : cost,
                     .costMax = cursed ? -cost / 2 : cost * between(2, 5),
                     .priceMultiplier = cursed ? -between(1, 3) : between(1, 6),
                     .power = between(0, 40),
                     .minimumLevel = between(1, 60),
                     .itemKinds = kinds[static_cast<std::size_t>(between(0, 7))],
                     .alignment = std::array{0, 0, 0, 1, 0x10}[static_cast<std::size_t>(between(0, 4))],
                     .doubleChance = between(0, 6) == 0,
                     .useful = !cursed});
    }
  // Weapons, armour and jewellery, a dozen staves, and misc items: potions, scrolls and books.
  for (ListIndex index = 0; index < file.layout().table(Table::BaseItems).recordCount; ++index) {
    const std::int32_t type = index < 110   ? between(kSword, kHeavyArmour)
                              : index < 122 ? kStaff
                              : index < 128 ? between(kRing, kAmulet)
                                            : kMisc;
    const std::int32_t miscKind = type == kStaff ? 0x17 : type == kMisc ? between(0, 0x18) : 0;
    file.setBaseItem(index, {.basePrice = between(10, 30'000),
                             .dropRate = index == 0           ? 0
                                         : between(0, 5) == 0 ? 2
                                                              : 1,
                             .itemType = index == 0 ? kGold : type,
                             .minimumLevel = between(1, 30),
                             .miscKind = miscKind,
                             .spell = miscKind == 0x18 || miscKind == 0x15 ? between(1, 36) : 0});
  }
  for (ListIndex index = 0; index < file.layout().table(Table::Spells).recordCount; ++index) {
    const int charges = between(10, 40);
    file.setSpell(index, {.chargesMin = charges,
                          .chargesMax = charges + between(0, 40),
                          .chargeValue = between(50, 1'000),
                          .id = index + 1,
                          .bookLevel = between(0, 4) == 0 ? -1 : between(1, 20),
                          .staffLevel = between(0, 4) == 0 ? -1 : between(1, 20),
                          .bookCost = between(1'000, 80'000)});
  }
  file.setLimits({140'000, 90'000, 140'000});
  return file;
}

}  // namespace pricewright::bench
