#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gamedata/game_layout.h"
#include "gamedata/game_records.h"
#include "gamedata/record_fields.h"
#include "gamedata/tables.h"

namespace pricewright {

// How the game's shops draw their items from the records: which base items
// each draws from, at which levels, which affixes may go on them, which
// spells a staff or book gets, and what the shop then asks. These are public
// facts about the 1.09 game; the 1.07 records have the same shape, and
// Pricewright assumes its shops follow the same rules.

enum class Players { Single, Multi };

// An item's type, as its base item record gives it.
enum ItemType : std::int32_t {
  kMisc = 0,
  kSword = 1,
  kAxe = 2,
  kBow = 3,
  kMace = 4,
  kShield = 5,
  kLightArmour = 6,
  kHelm = 7,
  kMediumArmour = 8,
  kHeavyArmour = 9,
  kStaff = 10,
  kGold = 11,
  kRing = 12,
  kAmulet = 13,
  kFood = 14,
};

// The kinds of item an affix may go on, as its ItemKinds flags say.
enum AffixFlag : std::int32_t {
  kNoAffixes = 0,
  kMiscFlag = 0x1,
  kBowFlag = 0x10,
  kStaffFlag = 0x100,
  kWeaponFlag = 0x1000,
  kShieldFlag = 0x10000,
  kArmourFlag = 0x100000,
};
// The flag an item type draws its affixes with; staves draw theirs by the staff procedure.
constexpr std::int32_t affixFlag(std::int32_t itemType) {
  switch (itemType) {
  case kSword:
  case kAxe:
  case kMace: return kWeaponFlag;
  case kBow: return kBowFlag;
  case kShield: return kShieldFlag;
  case kLightArmour:
  case kMediumArmour:
  case kHeavyArmour:
  case kHelm: return kArmourFlag;
  case kRing:
  case kAmulet: return kMiscFlag;
  case kStaff: return kStaffFlag;
  default: return kNoAffixes;
  }
}

// Misc kinds and spells that the shops' rules name.
inline constexpr std::int32_t kFullHealing = 2;
inline constexpr std::int32_t kHealing = 3;
inline constexpr std::int32_t kMana = 6;
inline constexpr std::int32_t kFullMana = 7;
inline constexpr std::int32_t kBook = 0x18;
inline constexpr std::int32_t kTownPortal = 7;
inline constexpr std::int32_t kResurrect = 32;
inline constexpr std::int32_t kHealOther = 34;
inline constexpr std::int32_t kChargesPower = 15;  // an affix power staves' own affixes never have
inline constexpr std::int32_t kDoubleDrop = 2;     // a drop rate that Griswold's basic stock counts twice

// The four ways the shops make items.
enum class Maker { GriswoldBasic, GriswoldPremium, Wirt, Adria };
inline constexpr std::array kMakers{Maker::GriswoldBasic, Maker::GriswoldPremium, Maker::Wirt, Maker::Adria};
constexpr std::size_t indexOf(Maker maker) { return static_cast<std::size_t>(maker); }
constexpr Shop shopOf(Maker maker) {
  return maker == Maker::Wirt ? Shop::Wirt : maker == Maker::Adria ? Shop::Adria : Shop::Griswold;
}

// Whether `maker` draws `base`, whatever the level: its drop rate, type and,
// for Adria, misc kind and spell. Adria keeps healing and mana potions and
// Town Portal apart as fixed stock, and in single player never draws a
// scroll of a spell only multiplayer has.
constexpr bool draws(Maker maker, const BaseItemRecord& base, Players players) {
  if (base.dropRate == 0) return false;
  const std::int32_t type = base.itemType;
  const bool jewellery = type == kRing || type == kAmulet;
  switch (maker) {
  case Maker::GriswoldBasic:
    return type != kMisc && type != kGold && type != kFood && type != kStaff && !jewellery;
  case Maker::GriswoldPremium:
  case Maker::Wirt:
    return type != kMisc && type != kGold && type != kFood && type != kStaff &&
           !(players == Players::Multi && jewellery);
  case Maker::Adria:
    return (type == kMisc || type == kStaff) && base.miscKind != kHealing && base.miscKind != kFullHealing &&
           base.miscKind != kMana && base.miscKind != kFullMana && base.spell != kTownPortal &&
           !(players == Players::Single && (base.spell == kResurrect || base.spell == kHealOther));
  }
  return false;
}

// Whether `shop` ever makes an item of `base` with affixes or a spell, as
// given, whatever the level: Griswold plain items in his basic stock and magic
// ones in his premium stock, Wirt magic items, Adria staves (with a spell,
// affixes, both or neither) and plain misc items, a book with its spell. An
// item that draws its affixes from empty pools stays plain, so Griswold's
// premium stock and Wirt make plain items too.
constexpr bool offers(Shop shop, const BaseItemRecord& base, bool affixes, bool spell, Players players) {
  switch (shop) {
  case Shop::Griswold:
    return !spell && ((!affixes && draws(Maker::GriswoldBasic, base, players)) ||
                      draws(Maker::GriswoldPremium, base, players));
  case Shop::Wirt: return !spell && draws(Maker::Wirt, base, players);
  case Shop::Adria:
    return draws(Maker::Adria, base, players) &&
           (base.itemType == kStaff || (!affixes && (!spell || base.miscKind == kBook)));
  }
  return false;
}

// Why `shop` never makes such an item, as a phrase after its name and
// pronoun ("does not sell staves"); empty where it does.
std::string notOffered(Shop shop, const BaseItemRecord& base, bool affixes, bool spell, Players players);

// The shops' price limits, in the order of kShopOrder, and whose rules they keep.
using ShopLimits = std::array<std::int32_t, 3>;
struct GameShops {
  Game game = Game::Diablo;
  ShopLimits limits{};
};
// The open game's shops: each limit read from the file, or the game's own.
inline GameShops gameShops(const GameRecords& records) {
  GameShops shops{records.layout().game, {}};
  for (const Shop shop : kShopOrder) shops.limits[indexOf(shop)] = records.limit(shop);
  return shops;
}

// The game never draws base item 0, gold, for a shop.
inline constexpr ListIndex kFirstDrawnBaseItem = 1;

// How many entries `base` takes in the maker's pool: Griswold's basic stock counts a double drop rate twice.
constexpr int drawWeight(Maker maker, const BaseItemRecord& base) {
  return maker == Maker::GriswoldBasic && base.dropRate == kDoubleDrop ? 2 : 1;
}

// Whether `base` lies in the maker's pool at `level`: the shop level for
// Griswold's basic stock and Adria, the item level for his premium stock, the
// character level for Wirt.
constexpr bool drawnAtLevel(Maker maker, const BaseItemRecord& base, int level) {
  const std::int32_t minimum = base.minimumLevel;
  if (maker == Maker::GriswoldPremium) return minimum >= level / 4 && minimum <= level;
  return minimum <= level;
}

// The item levels an item's affixes are drawn from; the lower end is kept at 25 or below.
struct LevelWindow {
  int low;
  int high;
};
inline constexpr int kHighestWindowStart = 25;
constexpr LevelWindow affixWindow(Maker maker, int level) {
  const LevelWindow window =
      maker == Maker::Wirt ? LevelWindow{level, 2 * level} : LevelWindow{level / 2, level};
  return {std::min(window.low, kHighestWindowStart), window.high};
}
// A staff's level in Adria's hands: twice the shop level.
constexpr int staffLevel(int shopLevel) { return 2 * shopLevel; }

// Whether an affix may be drawn for an item of `flag` within `window`: the
// shops ask for useful affixes only, and a staff's own affixes are never charges.
constexpr bool affixDrawn(const AffixRecord& affix, std::int32_t flag, LevelWindow window) {
  return (affix.itemKinds & flag) != 0 && affix.minimumLevel >= window.low &&
         affix.minimumLevel <= window.high && affix.useful != 0 &&
         !(flag == kStaffFlag && affix.power == kChargesPower);
}
// Which affixes an item tries for: random(4) = 0 asks for a prefix, random(3)
// != 0 for a suffix, and where it would be a prefix without a suffix, random(2)
// keeps the prefix and adds the suffix or drops the prefix. Of 24 outcomes, 5
// try a prefix alone, 15 a suffix alone and 4 both.
struct AffixChoice {
  bool prefix;
  bool suffix;
  int outOf24;
};
inline constexpr int kAffixChoiceOutcomes = 24;
inline constexpr std::array<AffixChoice, 3> kAffixChoices{
    {{true, false, 5}, {false, true, 15}, {true, true, 4}}};
// A staff tries for affixes on random(4) = 0, and otherwise gets a spell.
inline constexpr int kStaffDraws = 4;
inline constexpr int kStaffAffixDraws = 1;

// How a maker makes an item of `base`: plain, with affixes drawn for its type,
// by the staff procedure (affixes, or a spell and a prefix), or as a book with
// a spell. Griswold's basic stock is plain; his premium stock and Wirt's item
// draw affixes for every type that has a flag; Adria's staves follow the staff
// procedure, her books get a spell, and her other misc items stay plain.
enum class Making { Plain, Affixes, Staff, Book };
constexpr Making makingOf(Maker maker, const BaseItemRecord& base) {
  switch (maker) {
  case Maker::GriswoldBasic: return Making::Plain;
  case Maker::GriswoldPremium:
  case Maker::Wirt: return affixFlag(base.itemType) == kNoAffixes ? Making::Plain : Making::Affixes;
  case Maker::Adria: break;
  }
  if (base.itemType == kStaff) return Making::Staff;
  return base.miscKind == kBook ? Making::Book : Making::Plain;
}

// The prefix a staff with a spell always tries for: any useful staff prefix up to its level, charges
// included.
constexpr bool spellStaffPrefixDrawn(const AffixRecord& affix, int staffLevel) {
  return (affix.itemKinds & kStaffFlag) != 0 && affix.minimumLevel <= staffLevel && affix.useful != 0;
}
// How many entries an affix takes in its pool.
constexpr int affixWeight(const AffixRecord& affix) { return affix.doubleChance != 0 ? 2 : 1; }
// The game never puts a good suffix with an evil prefix, nor the other way round;
// without a prefix, a suffix is tested against no alignment.
inline constexpr std::int32_t kNoAlignment = 0;
constexpr bool alignmentsAgree(std::int32_t prefix, std::int32_t suffix) {
  constexpr std::int32_t kGoodWithEvil = 0x11;
  return ((prefix | suffix) & 0xFF) != kGoodWithEvil;
}

// The spells a staff or book is drawn from: random(37) + 1 picks the k-th
// eligible spell, walking the ids cyclically from 1; in single player the
// walk steps over Resurrect and Heal Other.
inline constexpr int kSpellDraws = 37;
inline constexpr int kLastSpellId = 36;
constexpr int spellWalkLevel(int level) { return std::max(level, 1); }
constexpr bool staffSpell(const SpellRecord& spell, int staffLevel) {
  return spell.staffLevel != -1 && spell.staffLevel <= spellWalkLevel(staffLevel / 2);
}
constexpr bool bookSpell(const SpellRecord& spell, int shopLevel) {
  return spell.bookLevel != -1 && spell.bookLevel <= spellWalkLevel(shopLevel);
}
constexpr int nextSpellId(int id, Players players) {
  int next = id + 1;
  if (players == Players::Single && (next == kResurrect || next == kHealOther)) ++next;
  return next > kLastSpellId ? 1 : next;
}

// The levels the shops use.
inline constexpr int kLowestShopLevel = 6;
inline constexpr int kHighestShopLevel = 16;
inline constexpr int kHighestItemLevel = 30;  // of Griswold's premium items
inline constexpr int kHighestCharacterLevel = 50;
inline constexpr int kDeepestDungeonLevel = 16;
// The shop level: in single player the deepest dungeon level visited plus 2,
// in multiplayer half the character level plus 2, kept within 6 to 16.
constexpr int shopLevel(Players players, int characterLevel, int deepestLevel) {
  const int level = players == Players::Single ? deepestLevel + 2 : characterLevel / 2 + 2;
  return std::clamp(level, kLowestShopLevel, kHighestShopLevel);
}
// Griswold's six premium items for character level c: made at c-1, c-1, c, c, c+1 and c+2, each within 1
// to 30.
constexpr std::array<int, 6> premiumItemLevels(int characterLevel) {
  std::array<int, 6> levels{-1, -1, 0, 0, 1, 2};
  std::ranges::transform(levels, levels.begin(), [&](int offset) {
    return std::clamp(characterLevel + offset, 1, kHighestItemLevel);
  });
  return levels;
}
// The levels a maker's odds are given for: the shop level for Griswold's
// basic stock and Adria, the item level for his premium stock, the character
// level for Wirt.
struct LevelRange {
  int lowest;
  int highest;
};
constexpr LevelRange levelsOf(Maker maker) {
  switch (maker) {
  case Maker::GriswoldPremium: return {1, kHighestItemLevel};
  case Maker::Wirt: return {1, kHighestCharacterLevel};
  case Maker::GriswoldBasic:
  case Maker::Adria: break;
  }
  return {kLowestShopLevel, kHighestShopLevel};
}
// New items each visit to town: 10 to 19 at Griswold's, 7 to 14 at Adria's beside her fixed ones.
struct StockSize {
  int fewest;
  int most;
};
inline constexpr StockSize kGriswoldBasicStock{10, 19};
inline constexpr StockSize kAdriaStock{7, 14};

// What the game asks at `shop` for an item worth `value`: Wirt asks half as
// much again, toward zero; in the expansion a quarter less.
constexpr std::int64_t gameAsks(Game game, Shop shop, std::int64_t value) {
  if (shop != Shop::Wirt) return value;
  return game == Game::Hellfire ? value - value / 4 : value + value / 2;
}
// A shop buys an item back for a quarter of its value, and never for less than 1.
constexpr std::int64_t buyBack(std::int64_t value) { return std::max<std::int64_t>(value / 4, 1); }

}  // namespace pricewright
