#include "pricing/shop_odds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "tests/support/case_table.h"

using namespace pricewright;

namespace {
// The enumeration's sums in long double stay far within the relative 1e-9 asked of the odds.
using Ratio = long double;
Ratio over(std::int64_t num, std::int64_t den) { return static_cast<Ratio>(num) / static_cast<Ratio>(den); }

// The game's arithmetic, step by step as the shop rules say; any step beyond 32 bits marks the value unheld.
struct Arithmetic {
  bool held = true;
  std::int64_t kept(std::int64_t value) {
    held = held && value >= INT32_MIN && value <= INT32_MAX;
    return value;
  }
  std::int64_t add(const AffixRecord& a, std::int64_t roll) {
    if (a.effectMin == a.effectMax || a.costMin == a.costMax) return a.costMin;
    const std::int64_t percent = kept(100 * (roll - a.effectMin)) / (std::int64_t{a.effectMax} - a.effectMin);
    return kept(a.costMin + kept((std::int64_t{a.costMax} - a.costMin) * percent) / 100);
  }
  std::int64_t value(std::int64_t base,
                     const std::vector<std::pair<const AffixRecord*, std::int64_t>>& rolled) {
    std::int64_t multipliers = 0;
    std::int64_t adds = 0;
    for (const auto& [affix, roll] : rolled) {
      multipliers += affix->priceMultiplier;
      adds += add(*affix, roll);
    }
    kept(multipliers);
    const std::int64_t term = multipliers > 0   ? kept(multipliers * base)
                              : multipliers < 0 ? kept(base / multipliers)
                                                : 0;
    return std::max<std::int64_t>(kept(kept(adds) + term), 1);
  }
};

std::vector<std::int64_t> everyRoll(std::int32_t first, std::int32_t last) {
  const auto count =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(last) - static_cast<std::uint32_t>(first) + 1U);
  // random(count) gives 0 for a count of 0 or less.
  std::vector<std::int64_t> all(static_cast<std::size_t>(std::max(count, 1)));
  std::iota(all.begin(), all.end(), std::int64_t{first});
  return all;
}

bool inBook(const SpellRecord& s, int level) { return s.bookLevel != -1 && s.bookLevel <= level; }
bool onStaff(const SpellRecord& s, int level) { return s.staffLevel != -1 && s.staffLevel <= level; }

// What one level gives, enumerated draw by draw from the shop rules.
struct Enumerated {
  std::string stall;  // "no base item", "no spell", "nothing accepted", or "not computed"
  Ratio chance = 0;
  bool above0 = false;  // where not computed: the item is accepted at some draw whose values are held
};

class Enumeration {
public:
  Enumeration(const ShopTables& t, Players players, Maker maker, int level, const OddsItem& item)
      : t_(t), item_(item), limit_(t.shops.limits[maker == Maker::Wirt    ? 1
                                                  : maker == Maker::Adria ? 2
                                                                          : 0]),
        maker_(maker), level_(level), multi_(players == Players::Multi) {}

  Enumerated run() {
    std::vector<std::pair<int, int>> pool;  // base item, entries
    int entries = 0;
    for (int b = 1; b < static_cast<int>(t_.baseItems.size()); ++b)
      if (const int in = inPool(t_.baseItems[static_cast<std::size_t>(b)])) {
        pool.emplace_back(b, in);
        entries += in;
      }
    if (pool.empty()) return {"no base item", {}};
    for (const auto& [b, in] : pool) {
      base_ = b;
      make(t_.baseItems[static_cast<std::size_t>(b)], over(in, entries));
    }
    if (walkNeverEnds_) return {"no spell", {}};
    // Where the item's own draws are held and none is accepted, its chance is 0 whatever the rest.
    if (!held_ && (oursUnheld_ || oursHeld_ > 0)) return {"not computed", {}, oursHeld_ > 0};
    if (!held_) return {"", {}};
    if (accepted_ == 0) return {"nothing accepted", {}};
    return {"", ours_ / accepted_};
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

  void make(const BaseItemRecord& b, Ratio chance) {
    if (maker_ == Maker::GriswoldBasic) return plain(b.basePrice, chance);
    if (maker_ == Maker::Adria) {
      if (b.itemType == 10) return staff(b, chance, 2 * level_);
      if (b.miscKind != 0x18) return plain(b.basePrice, chance);
      for (const auto& [spell, times] : walk(inBook, std::max(level_, 1))) {
        Arithmetic game;
        outcome(
            chance * over(times, 37), -1, -1, -1,
            {game.kept(b.basePrice + std::int64_t{t_.spells[static_cast<std::size_t>(spell - 1)].bookCost})},
            game.held);
      }
      return;
    }
    const int flag = std::array{0,        0x1000,   0x1000, 0x10, 0x1000, 0x10000, 0x100000, 0x100000,
                                0x100000, 0x100000, 0x100,  0,    1,      1,       0}
                         .at(static_cast<std::size_t>(std::clamp(b.itemType, 0, 14)));
    if (b.itemType < 0 || b.itemType > 14 || flag == 0) return plain(b.basePrice, chance);
    if (maker_ == Maker::Wirt) return affixes(b.basePrice, chance, flag, level_, 2 * level_);
    affixes(b.basePrice, chance, flag, level_ / 2, level_);
  }

  void plain(std::int64_t value, Ratio chance) { outcome(chance, -1, -1, -1, {value}, true); }

  // Every roll of the chosen affixes, each as likely.
  void rolled(Ratio chance, std::int64_t base, int prefix, int suffix, int spell,
              const SpellRecord* charges) {
    const AffixRecord* p = prefix < 0 ? nullptr : &t_.prefixes[static_cast<std::size_t>(prefix)];
    const AffixRecord* s = suffix < 0 ? nullptr : &t_.suffixes[static_cast<std::size_t>(suffix)];
    std::vector<std::int64_t> values;
    bool held = true;
    for (const std::int64_t n :
         charges ? everyRoll(charges->chargesMin, charges->chargesMax) : std::vector<std::int64_t>{0})
      for (const std::int64_t pr : p ? everyRoll(p->effectMin, p->effectMax) : std::vector<std::int64_t>{0})
        for (const std::int64_t sr :
             s ? everyRoll(s->effectMin, s->effectMax) : std::vector<std::int64_t>{0}) {
          Arithmetic game;
          std::vector<std::pair<const AffixRecord*, std::int64_t>> chosen;
          if (p) chosen.emplace_back(p, pr);
          if (s) chosen.emplace_back(s, sr);
          const std::int64_t withCharges =
              charges ? game.kept(base + game.kept(n * charges->chargeValue) / 5) : base;
          values.push_back(p || s || charges ? game.value(withCharges, chosen) : base);
          held = held && game.held;
        }
    outcome(chance, prefix, suffix, spell, values, held);
  }

  void outcome(Ratio chance, int prefix, int suffix, int spell, const std::vector<std::int64_t>& values,
               bool held) {
    held_ = held_ && held;
    const auto accepted = std::ranges::count_if(values, [&](std::int64_t v) { return v <= limit_; });
    const Ratio share = chance * over(accepted, static_cast<std::int64_t>(values.size()));
    accepted_ = accepted_ + share;
    const bool book = maker_ == Maker::Adria &&
                      t_.baseItems[static_cast<std::size_t>(base_)].itemType != 10 &&
                      t_.baseItems[static_cast<std::size_t>(base_)].miscKind == 0x18;
    if (base_ == item_.base && prefix == item_.prefix.value_or(-1) && suffix == item_.suffix.value_or(-1) &&
        (book || spell == item_.spell.value_or(-2) + 1)) {
      ours_ = ours_ + share;
      oursUnheld_ = oursUnheld_ || !held;
      if (held) oursHeld_ = oursHeld_ + share;
    }
  }

  // pre = random(4), post = random(3), and where pre != 0 and post = 0, random(2) sets post = 1 or pre = 0.
  void affixes(std::int64_t base, Ratio chance, int flag, int lo, int hi) {
    lo = std::min(lo, 25);
    for (int pre = 0; pre < 4; ++pre)
      for (int post = 0; post < 3; ++post)
        for (int coin = 0; coin < 2; ++coin) {
          const bool tossed = pre != 0 && post == 0;
          if (!tossed && coin == 1) continue;
          const bool prefix = pre == 0 || (tossed && coin == 0);
          const bool suffix = post != 0 || (tossed && coin == 1);
          Ratio drawn = chance * over(1, tossed ? 24 : 12);
          const auto fits = [&](const AffixRecord& a) {
            return (a.itemKinds & flag) != 0 && a.minimumLevel >= lo && a.minimumLevel <= hi &&
                   a.useful != 0 && !(flag == 0x100 && a.power == 15);
          };
          std::vector<int> prefixes;
          for (int i = 0; i < static_cast<int>(t_.prefixes.size()); ++i)
            for (int twice = 0; prefix && fits(t_.prefixes[static_cast<std::size_t>(i)]) &&
                                twice < (t_.prefixes[static_cast<std::size_t>(i)].doubleChance ? 2 : 1);
                 ++twice)
              prefixes.push_back(i);
          if (prefixes.empty()) prefixes.push_back(-1);
          for (const int p : prefixes) {
            const int goe = p < 0 ? 0 : t_.prefixes[static_cast<std::size_t>(p)].alignment;
            std::vector<int> suffixes;
            for (int i = 0; i < static_cast<int>(t_.suffixes.size()); ++i)
              if (suffix && fits(t_.suffixes[static_cast<std::size_t>(i)]) &&
                  (goe | t_.suffixes[static_cast<std::size_t>(i)].alignment) != 0x11)
                suffixes.push_back(i);
            if (suffixes.empty()) suffixes.push_back(-1);
            for (const int s : suffixes)
              rolled(drawn * over(1, static_cast<std::int64_t>(prefixes.size() * suffixes.size())), base, p,
                     s, -1, nullptr);
          }
        }
  }

  // random(4) = 0: affixes; otherwise a spell by the walk, its charges, and always a prefix where any.
  void staff(const BaseItemRecord& b, Ratio chance, int lvl) {
    affixes(b.basePrice, chance * over(1, 4), 0x100, lvl / 2, lvl);
    const auto spells = walk(onStaff, std::max(lvl / 2, 1));
    for (const auto& [spell, times] : spells) {
      std::vector<int> prefixes;
      for (int i = 0; i < static_cast<int>(t_.prefixes.size()); ++i) {
        const AffixRecord& a = t_.prefixes[static_cast<std::size_t>(i)];
        if ((a.itemKinds & 0x100) != 0 && a.minimumLevel <= lvl && a.useful != 0)
          prefixes.insert(prefixes.end(), a.doubleChance ? 2 : 1, i);
      }
      if (prefixes.empty()) prefixes.push_back(-1);
      for (const int p : prefixes)
        rolled(chance * over(std::int64_t{3} * times, std::int64_t{4} * 37 * std::ssize(prefixes)),
               b.basePrice, p, -1, spell, &t_.spells[static_cast<std::size_t>(spell - 1)]);
    }
  }

  // For each k = random(37) + 1, the k-th eligible spell walking from id 1, round and round.
  template <typename Eligible> std::vector<std::pair<int, int>> walk(Eligible eligible, int level) {
    std::vector<std::pair<int, int>> taken;
    for (int k = 1; k <= 37; ++k) {
      int s = 1;
      int chosen = 0;
      for (int left = k, steps = 0; left > 0; ++steps) {
        if (steps > 37 * 40) {
          walkNeverEnds_ = true;
          return {};
        }
        if (s <= static_cast<int>(t_.spells.size()) &&
            eligible(t_.spells[static_cast<std::size_t>(s - 1)], level) && --left == 0)
          chosen = s;
        ++s;
        if (!multi_ && s == 32) s = 33;
        if (!multi_ && s == 34) s = 35;
        if (s == 37) s = 1;
      }
      taken.emplace_back(chosen, 1);
    }
    return taken;
  }

  Ratio accepted_ = 0;
  Ratio ours_ = 0;
  Ratio oursHeld_ = 0;
  const ShopTables& t_;
  OddsItem item_;
  std::int64_t limit_;
  Maker maker_;
  int level_;
  int base_ = 0;
  bool multi_;
  bool held_ = true;
  bool walkNeverEnds_ = false;
  bool oursUnheld_ = false;
};

struct Case {
  ShopTables tables;
  Players players = Players::Single;
  OddsItem item;
  Maker maker = Maker::GriswoldBasic;
  int level = 0;
};

// The tables, item and level a case describes (see the case table).
Case described(const std::string& input) {
  Case c;
  c.tables.shops = {Game::Diablo, {140'000, 90'000, 140'000}};
  c.tables.baseItems.push_back({.basePrice = 1, .dropRate = 1, .itemType = kSword});
  c.tables.spells.assign(36, SpellRecord{.bookLevel = -1, .staffLevel = -1});
  for (const tests::Clause& clause : tests::clauses(input)) {
    const auto n = [&](std::size_t at, std::int32_t otherwise) {
      return at < clause.numbers.size() ? clause.whole(at) : otherwise;
    };
    const auto affix = [&] {
      AffixRecord a = clause.affix();
      a.minimumLevel = n(5, 0);
      a.itemKinds = n(6, 0);
      a.alignment = n(7, 0);
      a.doubleChance = n(8, 0);
      a.useful = n(9, 1);
      a.power = n(10, 0);
      return a;
    };
    if (clause.word == "base")
      c.tables.baseItems.push_back({.basePrice = n(0, 0),
                                    .dropRate = n(3, 1),
                                    .itemType = n(1, 0),
                                    .minimumLevel = n(2, 0),
                                    .miscKind = n(4, 0),
                                    .spell = n(5, 0)});
    if (clause.word == "prefix") c.tables.prefixes.push_back(affix());
    if (clause.word == "suffix") c.tables.suffixes.push_back(affix());
    if (clause.word == "spell")
      c.tables.spells.at(static_cast<std::size_t>(n(0, 0) - 1)) = {.chargesMin = n(1, 0),
                                                                   .chargesMax = n(2, 0),
                                                                   .chargeValue = n(3, 0),
                                                                   .bookLevel = n(5, -1),
                                                                   .staffLevel = n(4, -1),
                                                                   .bookCost = n(6, 0)};
    if (clause.word == "limits") c.tables.shops.limits = {n(0, 0), n(1, 0), n(2, 0)};
    if (clause.word == "multi") c.players = Players::Multi;
    if (clause.word == "hellfire") c.tables.shops.game = Game::Hellfire;
    if (clause.word == "item") {
      const auto index = [&](std::size_t at) {
        return n(at, -1) < 0 ? std::nullopt : std::optional(static_cast<ListIndex>(n(at, -1)));
      };
      c.item = {static_cast<ListIndex>(n(0, 0)), index(1), index(2),
                n(3, -1) < 1 ? std::nullopt : std::optional(static_cast<ListIndex>(n(3, 0) - 1))};
    }
    if (clause.word == "basic" || clause.word == "premium" || clause.word == "wirt" ||
        clause.word == "adria") {
      c.maker = clause.word == "basic"     ? Maker::GriswoldBasic
                : clause.word == "premium" ? Maker::GriswoldPremium
                : clause.word == "wirt"    ? Maker::Wirt
                                           : Maker::Adria;
      c.level = n(0, 0);
    }
  }
  return c;
}

std::string stallName(Stall stall) {
  switch (stall) {
  case Stall::NoBaseItem: return "no base item";
  case Stall::NoSpell: return "no spell";
  case Stall::NothingAccepted: return "nothing accepted";
  case Stall::None: break;
  }
  return "";
}

// A level's chance as the case table writes it.
std::string written(const LevelChance& level) {
  if (!level.chance) return "not computed";
  if (level.stall != Stall::None) return "0 (" + stallName(level.stall) + ")";
  return std::to_string(*level.chance);
}

bool near(double got, double exact) { return std::abs(got - exact) <= 1e-9 * std::abs(exact); }

// Every level of every maker against the enumeration: the chance, why there is none, and what follows from
// the chances (per visit, per character level, the first levels); and no chance where `offers` says no.
void checkEveryLevel(const Case& c, const ItemOdds& odds, const std::string& line) {
  const BaseItemRecord& base = c.tables.baseItems.at(static_cast<std::size_t>(c.item.base));
  for (const MakerOdds& shop : odds.makers) {
    const LevelRange range = levelsOf(shop.maker);
    FirstLevel first{std::nullopt, true};
    const auto reached = [&](int level, bool above0, bool known) {
      if (!first.level && first.known && (above0 || !known))
        first = {above0 ? std::optional(level) : std::nullopt, above0};
    };
    for (int level = range.lowest; level <= range.highest; ++level) {
      const Enumerated exact = Enumeration(c.tables, c.players, shop.maker, level, c.item).run();
      const LevelChance& got = shop.at(level);
      const std::string where =
          line + " | maker " + std::to_string(indexOf(shop.maker)) + " level " + std::to_string(level);
      if (!exact.stall.empty()) {
        EXPECT_EQ(got.chance ? stallName(got.stall) : "not computed", exact.stall) << where;
        EXPECT_EQ(got.above0, exact.above0) << where;
        reached(level, exact.above0, exact.stall != "not computed");
        continue;
      }
      ASSERT_TRUE(got.chance) << where;
      EXPECT_TRUE(near(*got.chance, static_cast<double>(exact.chance)))
          << where << ": " << *got.chance << " against " << static_cast<double>(exact.chance);
      reached(level, exact.chance > 0, true);
      if (exact.chance > 0) {
        EXPECT_TRUE(offers(shopOf(shop.maker), base, c.item.prefix || c.item.suffix, c.item.spell.has_value(),
                           c.players))
            << where;
      }
      const auto p = static_cast<double>(exact.chance);
      if (!shop.perVisit.empty()) {
        const auto [fewest, most] = shop.maker == Maker::Adria ? kAdriaStock : kGriswoldBasicStock;
        long double none = 0;
        for (int n = fewest; n <= most; ++n) none += std::pow(1.0L - p, n);
        EXPECT_TRUE(near(*shop.perVisit.at(static_cast<std::size_t>(level - range.lowest)),
                         static_cast<double>(1 - none / (most - fewest + 1))))
            << where;
      }
    }
    EXPECT_TRUE(shop.first.level == first.level && shop.first.known == first.known) << line;
    for (int character = 1; character <= static_cast<int>(shop.perCharacterLevel.size()); ++character) {
      long double none = 1;
      for (const int level : premiumItemLevels(character)) none *= 1 - shop.at(level).chance.value_or(NAN);
      const auto& got = shop.perCharacterLevel[static_cast<std::size_t>(character - 1)].chance;
      EXPECT_TRUE(std::isnan(none) ? !got : near(*got, static_cast<double>(1 - none)))
          << line << " character " << character;
    }
  }
}
}  // namespace

TEST(ShopOdds, GiveEachShopsChanceOfAnItemPerLevelAsTheEnumerationOfItsDrawsDoes) {
  tests::forEachCase("pricing/shop_odds.txt", [](const std::string& input, const std::string& expected,
                                                 const std::string& line) {
    const Case c = described(input);
    ShopOdds shops(c.tables);
    const ItemOdds odds = shops.odds(c.item, c.players);
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
    const Enumerated exact = Enumeration(c.tables, c.players, c.maker, c.level, c.item).run();
    const std::size_t slash = expected.find('/');
    if (slash == std::string::npos || !exact.stall.empty()) {
      EXPECT_EQ(written(got), expected) << line;
      return;
    }
    // The hand's fraction is the enumeration's too.
    const auto hand = static_cast<double>(
        over(std::stoll(expected.substr(0, slash)), std::stoll(expected.substr(slash + 1))));
    EXPECT_TRUE(near(static_cast<double>(exact.chance), hand))
        << line << ": " << static_cast<double>(exact.chance);
    EXPECT_TRUE(got.chance && near(*got.chance, hand)) << line << ": " << got.chance.value_or(-1);
  });
}
