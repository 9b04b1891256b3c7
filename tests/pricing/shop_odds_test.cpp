#include "pricing/shop_odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "gamedata/error.h"
#include "tests/support/case_table.h"

using namespace pricewright;

namespace {
// The game's arithmetic as the shop rules give it, each step in 64 bits; a step beyond 32 bits marks it
// unheld.
struct Arithmetic {
  bool held = true;
  std::int64_t kept(std::int64_t v) {
    held = held && v >= INT32_MIN && v <= INT32_MAX;
    return v;
  }
  std::int64_t add(const AffixRecord& a, std::int64_t roll) {
    if (a.effectMin == a.effectMax || a.costMin == a.costMax) return a.costMin;
    const std::int64_t percent = kept(100 * (roll - a.effectMin)) / (std::int64_t{a.effectMax} - a.effectMin);
    return kept(a.costMin + kept((std::int64_t{a.costMax} - a.costMin) * percent) / 100);
  }
  // A magic item's value: multipliers on the base value, then the adds, at least 1.
  std::int64_t value(std::int64_t base,
                     const std::vector<std::pair<const AffixRecord*, std::int64_t>>& rolled) {
    std::int64_t m = 0;
    std::int64_t adds = 0;
    for (const auto& [affix, roll] : rolled) {
      m = kept(m + affix->priceMultiplier);
      adds = kept(adds + add(*affix, roll));
    }
    return std::max<std::int64_t>(kept(adds + (m > 0 ? kept(m * base) : m < 0 ? kept(base / m) : 0)), 1);
  }
};

// first + random(last - first + 1), the count in 32 bits: random(n) gives 0 for n of 0 or less.
std::vector<std::int64_t> everyRoll(std::int32_t first, std::int32_t last) {
  const auto count =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(last) - static_cast<std::uint32_t>(first) + 1U);
  std::vector<std::int64_t> all(static_cast<std::size_t>(std::max(count, 1)));
  std::iota(all.begin(), all.end(), std::int64_t{first});
  return all;
}
const std::vector<std::int64_t> kNoRoll{0};

bool inBook(const SpellRecord& s, int level) { return s.bookLevel != -1 && s.bookLevel <= level; }
bool onStaff(const SpellRecord& s, int level) { return s.staffLevel != -1 && s.staffLevel <= level; }

struct Enumerated {
  std::string stall;  // "no base item", "no spell", "nothing accepted", "not computed", or none
  long double chance = 0;
  bool above0 = false;  // not computed, but the item is accepted at a draw whose values are held
};

// The shop rules, draw by draw, at one level: every draw with its weight, exact to long double.
class Enumeration {
public:
  Enumeration(const ShopTables& t, Players players, Maker maker, int level, const OddsItem& item)
      : t_(t), item_(item), maker_(maker), level_(level), multi_(players == Players::Multi) {}

  Enumerated run() {
    std::vector<std::pair<std::size_t, int>> pool;  // base item, entries
    int entries = 0;
    for (std::size_t b = 1; b < t_.baseItems.size(); ++b)
      if (const int in = inPool(t_.baseItems[b])) entries += pool.emplace_back(b, in).second;
    if (pool.empty()) return {"no base item"};
    for (const auto& [b, in] : pool) make(base_ = b, static_cast<long double>(in) / entries);
    if (endless_) return {"no spell"};
    if (!held_ && (oursUnheld_ || oursHeld_ > 0)) return {"not computed", 0, oursHeld_ > 0};
    if (held_ && accepted_ == 0) return {"nothing accepted"};
    return {"", held_ ? ours_ / accepted_ : 0};  // an item never accepted has chance 0 whatever the rest
  }

private:
  int inPool(const BaseItemRecord& b) const {
    const int type = b.itemType;
    const bool jewel = type == 12 || type == 13;
    if (b.dropRate == 0 || b.minimumLevel > level_) return 0;
    if (maker_ == Maker::GriswoldBasic)
      return type == 0 || type == 10 || type == 11 || type == 14 || jewel ? 0 : b.dropRate == 2 ? 2 : 1;
    if (maker_ == Maker::Adria)
      return (type == 0 || type == 10) && b.miscKind != 2 && b.miscKind != 3 && b.miscKind != 6 &&
             b.miscKind != 7 && b.spell != 7 && (multi_ || (b.spell != 32 && b.spell != 34));
    if (maker_ == Maker::GriswoldPremium && b.minimumLevel < level_ / 4) return 0;
    return type != 0 && type != 10 && type != 11 && type != 14 && !(multi_ && jewel);
  }

  void make(std::size_t b, long double chance) {
    const BaseItemRecord& base = t_.baseItems[b];
    const std::int64_t limit = t_.shops.limits[maker_ == Maker::Wirt ? 1 : maker_ == Maker::Adria ? 2 : 0];
    if (maker_ == Maker::Adria && base.itemType == 10) {  // the staff procedure at twice the shop level
      affixes(base.basePrice, chance / 4, 0x100, level_, 2 * level_, limit);
      for (const int spell : walk(onStaff, std::max(2 * level_ / 2, 1))) {
        std::vector<int> prefixes;
        for (std::size_t i = 0; i < t_.prefixes.size(); ++i) {
          const AffixRecord& a = t_.prefixes[i];
          if ((a.itemKinds & 0x100) != 0 && a.minimumLevel <= 2 * level_ && a.useful != 0)
            prefixes.insert(prefixes.end(), a.doubleChance ? 2 : 1, static_cast<int>(i));
        }
        if (prefixes.empty()) prefixes.push_back(-1);
        for (const int p : prefixes)
          rolled(chance * 3 / 4 / 37 / static_cast<long double>(prefixes.size()), base.basePrice, p, -1,
                 spell, limit);
      }
    } else if (maker_ == Maker::Adria && base.miscKind == 0x18) {
      for (const int spell : walk(inBook, std::max(level_, 1))) {
        Arithmetic game;
        outcome(chance / 37, -1, -1, -1,
                {game.kept(base.basePrice + std::int64_t{t_.spells[spell - 1].bookCost})}, game.held, limit);
      }
    } else {
      const int flag =
          std::array{0,        0x1000,   0x1000, 0x10, 0x1000, 0x10000, 0x100000, 0x100000,
                     0x100000, 0x100000, 0x100,  0,    1,      1,       0}[static_cast<std::size_t>(
              std::clamp(base.itemType, 0, 14))];
      if (maker_ == Maker::GriswoldBasic || maker_ == Maker::Adria || base.itemType > 14 || flag == 0)
        outcome(chance, -1, -1, -1, {base.basePrice}, true, limit);
      else if (maker_ == Maker::Wirt)
        affixes(base.basePrice, chance, flag, level_, 2 * level_, limit);
      else
        affixes(base.basePrice, chance, flag, level_ / 2, level_, limit);
    }
  }

  // pre = random(4), post = random(3), and where pre != 0 and post = 0, random(2) sets post = 1 or pre = 0.
  void affixes(std::int64_t base, long double chance, int flag, int lo, int hi, std::int64_t limit) {
    lo = std::min(lo, 25);
    const auto fits = [&](const AffixRecord& a) {
      return (a.itemKinds & flag) != 0 && a.minimumLevel >= lo && a.minimumLevel <= hi && a.useful != 0 &&
             !(flag == 0x100 && a.power == 15);
    };
    for (int pre = 0; pre < 4; ++pre)
      for (int post = 0; post < 3; ++post)
        for (int coin = 0; coin < (pre != 0 && post == 0 ? 2 : 1); ++coin) {
          const bool tossed = pre != 0 && post == 0;
          std::vector<int> prefixes;
          for (std::size_t i = 0; i < t_.prefixes.size() && (pre == 0 || (tossed && coin == 0)); ++i)
            if (fits(t_.prefixes[i]))
              prefixes.insert(prefixes.end(), t_.prefixes[i].doubleChance ? 2 : 1, static_cast<int>(i));
          if (prefixes.empty()) prefixes.push_back(-1);
          for (const int p : prefixes) {
            const int goe = p < 0 ? 0 : t_.prefixes[static_cast<std::size_t>(p)].alignment;
            std::vector<int> suffixes;
            for (std::size_t i = 0; i < t_.suffixes.size() && (post != 0 || (tossed && coin == 1)); ++i)
              if (fits(t_.suffixes[i]) && (goe | t_.suffixes[i].alignment) != 0x11)
                suffixes.push_back(static_cast<int>(i));
            if (suffixes.empty()) suffixes.push_back(-1);
            for (const int s : suffixes)
              rolled(chance / (tossed ? 24 : 12) /
                         static_cast<long double>(prefixes.size() * suffixes.size()),
                     base, p, s, -1, limit);
          }
        }
  }

  // Every roll of the prefix, suffix and a staff's charges, each as likely.
  void rolled(long double chance, std::int64_t base, int p, int s, int spell, std::int64_t limit) {
    const AffixRecord* prefix = p < 0 ? nullptr : &t_.prefixes[static_cast<std::size_t>(p)];
    const AffixRecord* suffix = s < 0 ? nullptr : &t_.suffixes[static_cast<std::size_t>(s)];
    const SpellRecord* charges = spell < 0 ? nullptr : &t_.spells[static_cast<std::size_t>(spell - 1)];
    std::vector<std::int64_t> values;
    bool held = true;
    for (const std::int64_t n : charges ? everyRoll(charges->chargesMin, charges->chargesMax) : kNoRoll)
      for (const std::int64_t pr : prefix ? everyRoll(prefix->effectMin, prefix->effectMax) : kNoRoll)
        for (const std::int64_t sr : suffix ? everyRoll(suffix->effectMin, suffix->effectMax) : kNoRoll) {
          Arithmetic game;
          std::vector<std::pair<const AffixRecord*, std::int64_t>> chosen;
          if (prefix) chosen.emplace_back(prefix, pr);
          if (suffix) chosen.emplace_back(suffix, sr);
          const std::int64_t withCharges =
              charges ? game.kept(base + game.kept(n * charges->chargeValue) / 5) : base;
          values.push_back(prefix || suffix || charges ? game.value(withCharges, chosen) : base);
          held = held && game.held;
        }
    outcome(chance, p, s, spell, values, held, limit);
  }

  void outcome(long double chance, int p, int s, int spell, const std::vector<std::int64_t>& values,
               bool held, std::int64_t limit) {
    held_ = held_ && held;
    const long double share =
        chance *
        static_cast<long double>(std::ranges::count_if(values, [&](std::int64_t v) { return v <= limit; })) /
        static_cast<long double>(values.size());
    accepted_ += share;
    const bool book =
        maker_ == Maker::Adria && t_.baseItems[base_].itemType != 10 && t_.baseItems[base_].miscKind == 0x18;
    if (static_cast<int>(base_) != item_.base || p != item_.prefix.value_or(-1) ||
        s != item_.suffix.value_or(-1) || !(book || spell == item_.spell.value_or(-2) + 1))
      return;
    ours_ += share;
    oursUnheld_ = oursUnheld_ || !held;
    if (held) oursHeld_ += share;
  }

  // For each k = random(37) + 1, the k-th eligible spell walking from id 1, round and round.
  std::vector<int> walk(bool (*eligible)(const SpellRecord&, int), int level) {
    std::vector<int> taken;
    for (int k = 1; k <= 37; ++k) {
      int s = 1;
      for (int left = k, steps = 0; left > 0; ++steps) {
        if (steps > 37 * 40) {
          endless_ = true;
          return {};
        }
        if (s <= static_cast<int>(t_.spells.size()) &&
            eligible(t_.spells[static_cast<std::size_t>(s - 1)], level) && --left == 0)
          taken.push_back(s);
        if (++s == 32 && !multi_) s = 33;
        if (s == 34 && !multi_) s = 35;
        if (s == 37) s = 1;
      }
    }
    return taken;
  }

  const ShopTables& t_;
  OddsItem item_;
  Maker maker_;
  int level_;
  std::size_t base_ = 0;
  bool multi_;
  bool held_ = true;
  bool endless_ = false;
  bool oursUnheld_ = false;
  long double accepted_ = 0;
  long double ours_ = 0;
  long double oursHeld_ = 0;
};

struct Case {
  ShopTables tables{{},
                    {},
                    {{.basePrice = 1, .dropRate = 1, .itemType = kSword}},
                    std::vector(36, SpellRecord{.bookLevel = -1, .staffLevel = -1}),
                    {Game::Diablo, {140'000, 90'000, 140'000}}};
  Players players = Players::Single;
  OddsItem item;
  Maker maker = Maker::GriswoldBasic;
  int level = 0;
};

// The tables, item and level a case describes (see the case table).
Case described(const std::string& input) {
  Case c;
  for (const tests::Clause& clause : tests::clauses(input)) {
    const auto n = [&](std::size_t at, std::int32_t otherwise = 0) {
      return at < clause.numbers.size() ? clause.whole(at) : otherwise;
    };
    const auto index = [&](std::size_t at, int from) {
      return n(at, -1) < from ? std::nullopt : std::optional(static_cast<ListIndex>(n(at) - from));
    };
    const auto affix = [&] {
      AffixRecord a = clause.affix();
      std::tie(a.minimumLevel, a.itemKinds, a.alignment, a.doubleChance, a.useful, a.power) =
          std::tuple(n(5), n(6), n(7), n(8), n(9, 1), n(10));
      return a;
    };
    if (clause.word == "base")
      c.tables.baseItems.push_back({.basePrice = n(0),
                                    .dropRate = n(3, 1),
                                    .itemType = n(1),
                                    .minimumLevel = n(2),
                                    .miscKind = n(4),
                                    .spell = n(5)});
    if (clause.word == "prefix") c.tables.prefixes.push_back(affix());
    if (clause.word == "suffix") c.tables.suffixes.push_back(affix());
    if (clause.word == "spell")
      c.tables.spells.at(static_cast<std::size_t>(n(0) - 1)) = {.chargesMin = n(1),
                                                                .chargesMax = n(2),
                                                                .chargeValue = n(3),
                                                                .bookLevel = n(5, -1),
                                                                .staffLevel = n(4, -1),
                                                                .bookCost = n(6)};
    if (clause.word == "limits") c.tables.shops.limits = {n(0), n(1), n(2)};
    if (clause.word == "multi") c.players = Players::Multi;
    if (clause.word == "hellfire") c.tables.shops.game = Game::Hellfire;
    if (clause.word == "item") c.item = {static_cast<ListIndex>(n(0)), index(1, 0), index(2, 0), index(3, 1)};
    for (const Maker maker : kMakers)
      if (clause.word == std::array{"basic", "premium", "wirt", "adria"}[indexOf(maker)]) {
        c.maker = maker;
        c.level = n(0);
      }
  }
  return c;
}

// A level's chance as the case table writes a chance not given as a fraction.
std::string written(const LevelChance& level) {
  if (!level.chance) return "not computed";
  return std::array{"", "0 (no base item)", "0 (no spell)",
                    "0 (nothing accepted)"}[static_cast<std::size_t>(level.stall)];
}

bool near(long double got, long double exact) { return std::abs(got - exact) <= 1e-9L * std::abs(exact); }

// Every level of every maker against the enumeration: the chance, or why there is none, and what follows from
// the chances (per visit, per six premium items, the first levels); never a chance where `offers` says no.
void checkEveryLevel(const Case& c, const ItemOdds& odds, const std::string& line) {
  const BaseItemRecord& base = c.tables.baseItems.at(static_cast<std::size_t>(c.item.base));
  for (const MakerOdds& shop : odds.makers) {
    const LevelRange range = levelsOf(shop.maker);
    FirstLevel first{std::nullopt, true};
    for (int level = range.lowest; level <= range.highest; ++level) {
      const Enumerated exact = Enumeration(c.tables, c.players, shop.maker, level, c.item).run();
      const LevelChance& got = shop.at(level);
      const std::string where =
          line + " | maker " + std::to_string(indexOf(shop.maker)) + " level " + std::to_string(level);
      EXPECT_EQ(written(got), exact.stall.empty()             ? ""
                              : exact.stall == "not computed" ? exact.stall
                                                              : "0 (" + exact.stall + ")")
          << where;
      EXPECT_TRUE(got.chance ? near(*got.chance, exact.chance) : got.above0 == exact.above0) << where;
      const bool above0 = exact.chance > 0 || exact.above0;
      if (!first.level && first.known && (above0 || exact.stall == "not computed"))
        first = {above0 ? std::optional(level) : std::nullopt, above0};
      const bool offered = offers(shopOf(shop.maker), base, c.item.prefix || c.item.suffix,
                                  c.item.spell.has_value(), c.players);
      EXPECT_TRUE(offered || !above0) << where;
      if (!shop.perVisit.empty()) {
        const auto [fewest, most] = shop.maker == Maker::Adria ? kAdriaStock : kGriswoldBasicStock;
        long double none = 0;
        for (int n = fewest; n <= most; ++n) none += std::pow(1 - exact.chance, n);
        EXPECT_TRUE(near(shop.perVisit.at(static_cast<std::size_t>(level - range.lowest)).value_or(-1),
                         1 - none / (most - fewest + 1)) ||
                    !got.chance)
            << where;
      }
    }
    EXPECT_TRUE(shop.first.level == first.level && shop.first.known == first.known) << line;
    for (std::size_t character = 1; character <= shop.perCharacterLevel.size(); ++character) {
      long double none = 1;
      // His six items are made at c-1, c-1, c, c, c+1 and c+2, each within 1 to 30.
      for (const int offset : {-1, -1, 0, 0, 1, 2})
        none *= 1 - shop.at(std::clamp(static_cast<int>(character) + offset, 1, 30)).chance.value_or(NAN);
      const auto& got = shop.perCharacterLevel[character - 1].chance;
      EXPECT_TRUE(std::isnan(none) ? !got : near(got.value_or(-1), 1 - none))
          << line << " character " << character;
    }
  }
}
}  // namespace

TEST(ShopOdds, GiveEachShopsChanceOfAnItemPerLevelAsTheEnumerationOfItsDrawsDoes) {
  tests::forEachCase("pricing/shop_odds.txt", [](const std::string& input, const std::string& expected,
                                                 const std::string& line) {
    const Case c = described(input);
    ItemOdds odds;
    try {
      odds = ShopOdds(c.tables).odds(c.item, c.players);
    } catch (const RuntimeError& error) {
      odds.unavailable = error.what();
    }
    if (!odds.unavailable.empty()) {
      EXPECT_EQ(odds.unavailable, expected) << line;
      return;
    }
    checkEveryLevel(c, odds, line);
    if (expected == "never") {
      for (const MakerOdds& shop : odds.makers) EXPECT_FALSE(shop.first.level) << line;
      return;
    }
    const LevelChance& got = odds.of(c.maker).at(c.level);
    const std::size_t slash = expected.find('/');
    if (slash == std::string::npos) {
      EXPECT_EQ(written(got), expected) << line;
      return;
    }
    // The hand's fraction is the enumeration's, and the odds' within 1e-9.
    const long double hand = std::stold(expected.substr(0, slash)) / std::stold(expected.substr(slash + 1));
    EXPECT_TRUE(near(Enumeration(c.tables, c.players, c.maker, c.level, c.item).run().chance, hand)) << line;
    EXPECT_TRUE(got.chance && near(*got.chance, hand)) << line << ": " << got.chance.value_or(-1);
  });
}
