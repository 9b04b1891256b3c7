#include "pricing/level_draws.h"

#include <algorithm>
#include <limits>

#include "pricing/item_value.h"
#include "pricing/roll_runs.h"

namespace pricewright {

namespace {
bool held(const ValueSteps& steps) { return !firstUnheld(steps); }

void add(Weighed& weighed, long double weight, const Weighed& share) {
  weighed.accepted += weight * share.accepted;
  weighed.unheld = weighed.unheld || share.unheld;
}

// Items that roll nothing, of each price: plain items, or books whose spell is drawn.
Weighed fixedDraws(const Prices& prices, ValueInputs item, std::int32_t limit) {
  Weighed weighed;
  for (const Priced& priced : prices) {
    item.basePrice = priced.price;
    const ValueSteps steps = valueSteps(item);
    if (steps.value <= limit) weighed.accepted += priced.entries;
    weighed.unheld = weighed.unheld || !held(steps);
  }
  return weighed;
}

struct DrawnAffix {
  const AffixRecord& record;
  const CostSpread& costs;
};

// One or two affixes on items of each price. The value grows with the
// affixes' costs and moves one way as the price grows, so the extremes tell
// whether the game holds every value, the prices at which every roll is
// accepted lie at one end and those at which none is at the other, and at a
// price between, the rolls accepted are those whose costs add up to at most
// the most the limit allows.
Weighed affixDraws(const Prices& prices, const DrawnAffix& first, const DrawnAffix* second,
                   std::int32_t limit) {
  if (!first.costs.held() || (second && !second->costs.held())) return {0, true};
  ValueInputs item{.byAffixes = true, .multiplierSum = first.record.priceMultiplier};
  Interval costs{first.costs.lowest(), first.costs.highest()};
  auto rolled = static_cast<long double>(first.costs.rolls());
  if (second) {
    item.multiplierSum += second->record.priceMultiplier;
    costs = {costs.low + second->costs.lowest(), costs.high + second->costs.highest()};
    rolled *= static_cast<long double>(second->costs.rolls());
  }
  const auto at = [&](std::int32_t price, std::int64_t sum) {
    item.basePrice = price;
    item.costs = sum;
    return valueSteps(item);
  };
  for (const std::int32_t price : {prices.front().price, prices.back().price})
    for (const std::int64_t sum : {costs.low, costs.high})
      if (!held(at(price, sum))) return {0, true};
  const auto priceAt = [&](std::int64_t index) { return prices[static_cast<std::size_t>(index)].price; };
  const Interval all{0, std::ssize(prices) - 1};
  const Interval every =
      whereHolds(all, [&](std::int64_t i) { return at(priceAt(i), costs.high).value <= limit; });
  const Interval none =
      whereHolds(all, [&](std::int64_t i) { return at(priceAt(i), costs.low).value > limit; });
  Weighed weighed;
  for (std::int64_t i = 0; i < std::ssize(prices); ++i) {
    const Priced& priced = prices[static_cast<std::size_t>(i)];
    if (every.low <= i && i <= every.high) weighed.accepted += priced.entries;
    if ((every.low <= i && i <= every.high) || (none.low <= i && i <= none.high)) continue;
    // Some roll is accepted, so the limit is at least the value's floor of 1: a roll is accepted where its
    // costs and the base term come to the limit or less.
    const std::int64_t most = limit - at(priced.price, costs.low).baseTerm;
    const std::uint64_t accepted =
        second ? pairsAtMost(first.costs, second->costs, most) : first.costs.atMost(most);
    weighed.accepted += priced.entries * static_cast<long double>(accepted) / rolled;
  }
  return weighed;
}

// Staves with a spell and maybe a prefix, of each price: the value moves one
// way as the charges grow and grows with the prefix's cost, so the extremes
// lie at the corners, and at each cost the charges accepted form one stretch.
Weighed spellStaffDraws(const Prices& prices, const SpellRecord& spell, const DrawnAffix* prefix,
                        std::int32_t limit) {
  if (prefix && !prefix->costs.held()) return {0, true};
  static const std::vector<CostSpread::Cost> kNoCost{{0, 1, 1}};
  const std::vector<CostSpread::Cost>& costs = prefix ? prefix->costs.costs() : kNoCost;
  const Rolls charges = rolls(spell.chargesMin, spell.chargesMax);
  const long double rolled =
      static_cast<long double>(charges.count()) * static_cast<long double>(costs.back().atMost);
  ValueInputs item{.chargeValue = spell.chargeValue,
                   .byAffixes = true,
                   .multiplierSum = prefix ? prefix->record.priceMultiplier : 0};
  Weighed weighed;
  for (const Priced& priced : prices) {
    const auto at = [&](std::int64_t count, std::int64_t cost) {
      item.basePrice = priced.price;
      item.charges = count;
      item.costs = cost;
      return valueSteps(item);
    };
    std::int64_t lowest = std::numeric_limits<std::int64_t>::max();
    std::int64_t highest = std::numeric_limits<std::int64_t>::min();
    for (const std::int64_t count : {charges.low, charges.high})
      for (const std::int64_t cost : {costs.front().cost, costs.back().cost}) {
        const ValueSteps steps = at(count, cost);
        weighed.unheld = weighed.unheld || !held(steps);
        lowest = std::min(lowest, steps.value);
        highest = std::max(highest, steps.value);
      }
    if (weighed.unheld || lowest > limit) continue;
    if (highest <= limit) {
      weighed.accepted += priced.entries;
      continue;
    }
    std::uint64_t accepted = 0;
    for (const CostSpread::Cost& cost : costs)
      accepted += cost.rolls * whereHolds({charges.low, charges.high}, [&](std::int64_t count) {
                                 return at(count, cost.cost).value <= limit;
                               }).count();
    weighed.accepted += priced.entries * static_cast<long double>(accepted) / rolled;
  }
  return weighed;
}
}  // namespace

OddsTables::OddsTables(ShopTables read)
    : tables(std::move(read)), prefixCosts(tables.prefixes.begin(), tables.prefixes.end()),
      suffixCosts(tables.suffixes.begin(), tables.suffixes.end()) {}

const std::vector<ListIndex>& AffixPools::suffixesWith(const std::vector<AffixRecord>& records,
                                                       std::int32_t alignment) {
  const auto [at, made] = agreeing.try_emplace(alignment);
  if (made)
    std::ranges::copy_if(suffixes, std::back_inserter(at->second), [&](ListIndex suffix) {
      return alignmentsAgree(alignment, records[static_cast<std::size_t>(suffix)].alignment);
    });
  return at->second;
}

LevelDraws::LevelDraws(const OddsTables& tables, Players players, Maker maker, int level)
    : tables_(tables), players_(players), maker_(maker), level_(level),
      limit_(tables.tables.shops.limits[indexOf(shopOf(maker))]),
      window_(affixWindow(maker, maker == Maker::Adria ? staffLevel(level) : level)) {}

int LevelDraws::entries(ListIndex base) const {
  const auto& bases = tables_.tables.baseItems;
  if (base < kFirstDrawnBaseItem || static_cast<std::size_t>(base) >= bases.size()) return 0;
  const BaseItemRecord& record = bases[static_cast<std::size_t>(base)];
  if (!pricewright::draws(maker_, record, players_) || !drawnAtLevel(maker_, record, level_)) return 0;
  return drawWeight(maker_, record);
}

AffixPools& LevelDraws::pools(std::int32_t flag) {
  const auto [at, made] = pools_.try_emplace(flag);
  AffixPools& pools = at->second;
  if (!made) return pools;
  const ShopTables& tables = tables_.tables;
  for (std::size_t index = 0; index < tables.prefixes.size(); ++index)
    if (affixDrawn(tables.prefixes[index], flag, window_)) {
      pools.prefixes.emplace_back(static_cast<ListIndex>(index), affixWeight(tables.prefixes[index]));
      pools.prefixEntries += pools.prefixes.back().second;
    }
  for (std::size_t index = 0; index < tables.suffixes.size(); ++index)
    if (affixDrawn(tables.suffixes[index], flag, window_))
      pools.suffixes.push_back(static_cast<ListIndex>(index));
  return pools;
}

const AffixPools& LevelDraws::spellStaffPrefixes() {
  if (spellStaffPrefixes_) return *spellStaffPrefixes_;
  AffixPools& pool = spellStaffPrefixes_.emplace();
  const std::vector<AffixRecord>& prefixes = tables_.tables.prefixes;
  for (std::size_t index = 0; index < prefixes.size(); ++index)
    if (spellStaffPrefixDrawn(prefixes[index], staffLevel(level_))) {
      pool.prefixes.emplace_back(static_cast<ListIndex>(index), affixWeight(prefixes[index]));
      pool.prefixEntries += pool.prefixes.back().second;
    }
  return pool;
}

const std::vector<SpellDraw>& LevelDraws::staffSpells() {
  if (!staffSpells_)
    staffSpells_ = spellDraws(tables_.tables.spells, players_, staffSpell, staffLevel(level_));
  return *staffSpells_;
}

const std::vector<SpellDraw>& LevelDraws::bookSpells() {
  if (!bookSpells_) bookSpells_ = spellDraws(tables_.tables.spells, players_, bookSpell, level_);
  return *bookSpells_;
}

Weighed LevelDraws::affixDraws(std::int32_t flag, const Prices& prices, Target only) {
  AffixPools& pool = pools(flag);
  const ShopTables& tables = tables_.tables;
  Weighed weighed;
  // One outcome of the draws: the prefix and suffix it gives, if any.
  const auto outcome = [&](long double weight, std::optional<ListIndex> prefix,
                           std::optional<ListIndex> suffix) {
    if (only && (only->prefix != prefix || only->suffix != suffix || only->spell)) return;
    if (!prefix && !suffix) return add(weighed, weight, fixedDraws(prices, {}, limit_));
    const auto drawn = [&](bool isPrefix, ListIndex index) {
      const auto at = static_cast<std::size_t>(index);
      return isPrefix ? DrawnAffix{tables.prefixes[at], tables_.prefixCosts[at]}
                      : DrawnAffix{tables.suffixes[at], tables_.suffixCosts[at]};
    };
    const DrawnAffix first = prefix ? drawn(true, *prefix) : drawn(false, *suffix);
    if (!prefix || !suffix)
      return add(weighed, weight, pricewright::affixDraws(prices, first, nullptr, limit_));
    const DrawnAffix second = drawn(false, *suffix);
    add(weighed, weight, pricewright::affixDraws(prices, first, &second, limit_));
  };
  for (const AffixChoice& choice : kAffixChoices) {
    const long double chosen = static_cast<long double>(choice.outOf24) / kAffixChoiceOutcomes;
    // After the prefix, if any: the suffix, where one is tried and the pool agreeing with the prefix holds
    // one.
    const auto thenSuffix = [&](long double weight, std::optional<ListIndex> prefix, std::int32_t alignment) {
      if (!choice.suffix) return outcome(weight, prefix, std::nullopt);
      const std::vector<ListIndex>& suffixes = pool.suffixesWith(tables.suffixes, alignment);
      if (suffixes.empty()) return outcome(weight, prefix, std::nullopt);
      const long double each = weight / static_cast<long double>(suffixes.size());
      if (!only) {
        for (const ListIndex suffix : suffixes) outcome(each, prefix, suffix);
      } else if (only->suffix && std::ranges::find(suffixes, *only->suffix) != suffixes.end()) {
        outcome(each, prefix, only->suffix);
      }
    };
    if (!choice.prefix || pool.prefixes.empty()) {
      thenSuffix(chosen, std::nullopt, kNoAlignment);
      continue;
    }
    for (const auto& [prefix, inPool] : pool.prefixes) {
      if (only && only->prefix != prefix) continue;
      thenSuffix(chosen * inPool / pool.prefixEntries, prefix,
                 tables.prefixes[static_cast<std::size_t>(prefix)].alignment);
    }
  }
  return weighed;
}

Weighed LevelDraws::spellStaffDraws(const Prices& prices, Target only) {
  const ShopTables& tables = tables_.tables;
  const AffixPools& pool = spellStaffPrefixes();
  Weighed weighed;
  for (const SpellDraw& spell : staffSpells()) {
    if (only && (only->spell != spell.entry || only->suffix)) continue;
    const SpellRecord& record = tables.spells[static_cast<std::size_t>(spell.entry)];
    const long double drawn = static_cast<long double>(spell.draws) / kSpellDraws;
    if (pool.prefixes.empty()) {
      if (!only || !only->prefix)
        add(weighed, drawn, pricewright::spellStaffDraws(prices, record, nullptr, limit_));
      continue;
    }
    for (const auto& [prefix, inPool] : pool.prefixes) {
      if (only && only->prefix != prefix) continue;
      const auto at = static_cast<std::size_t>(prefix);
      const DrawnAffix affix{tables.prefixes[at], tables_.prefixCosts[at]};
      add(weighed, drawn * inPool / pool.prefixEntries,
          pricewright::spellStaffDraws(prices, record, &affix, limit_));
    }
  }
  return weighed;
}

Weighed LevelDraws::bookDraws(const Prices& prices) {
  Weighed weighed;
  for (const SpellDraw& spell : bookSpells()) {
    const SpellRecord& record = tables_.tables.spells[static_cast<std::size_t>(spell.entry)];
    add(weighed, static_cast<long double>(spell.draws) / kSpellDraws,
        fixedDraws(prices, {.bookCost = record.bookCost}, limit_));
  }
  return weighed;
}

Weighed LevelDraws::draws(Making making, std::int32_t flag, const Prices& prices, Target only) {
  const bool plain = !only || (!only->prefix && !only->suffix && !only->spell);
  switch (making) {
  case Making::Plain: return plain ? fixedDraws(prices, {}, limit_) : Weighed{};
  case Making::Affixes: return affixDraws(flag, prices, only);
  case Making::Staff: {
    Weighed weighed;
    add(weighed, static_cast<long double>(kStaffAffixDraws) / kStaffDraws,
        affixDraws(kStaffFlag, prices, only));
    add(weighed, static_cast<long double>(kStaffDraws - kStaffAffixDraws) / kStaffDraws,
        spellStaffDraws(prices, only));
    return weighed;
  }
  case Making::Book:
    // A book's spell plays no part in which item it is.
    return !only || (!only->prefix && !only->suffix) ? bookDraws(prices) : Weighed{};
  }
  return {};
}

Weighed LevelDraws::weigh(const OddsItem& item) {
  const int in = entries(item.base);
  if (in == 0) return {};
  const BaseItemRecord& record = tables_.tables.baseItems[static_cast<std::size_t>(item.base)];
  return draws(makingOf(maker_, record), affixFlag(record.itemType),
               {{record.basePrice, static_cast<long double>(in)}}, &item);
}

Acceptance LevelDraws::acceptance() {
  // The pool's base items by how they are made and the flag of their affixes, then by price.
  std::map<std::pair<Making, std::int32_t>, std::map<std::int32_t, long double>> alike;
  for (std::size_t index = 0; index < tables_.tables.baseItems.size(); ++index) {
    const int in = entries(static_cast<ListIndex>(index));
    if (in == 0) continue;
    const BaseItemRecord& record = tables_.tables.baseItems[index];
    alike[{makingOf(maker_, record), affixFlag(record.itemType)}][record.basePrice] += in;
  }
  Acceptance level;
  if (alike.empty()) level.stall = Stall::NoBaseItem;
  for (const auto& [making, byPrice] : alike) {
    if ((making.first == Making::Staff && staffSpells().empty()) ||
        (making.first == Making::Book && bookSpells().empty()))
      level.stall = Stall::NoSpell;
    Prices prices;
    for (const auto& [price, inPool] : byPrice) prices.push_back({price, inPool});
    add(level.weighed, 1, draws(making.first, making.second, prices, nullptr));
  }
  if (level.stall == Stall::None && !level.weighed.unheld && level.weighed.accepted == 0)
    level.stall = Stall::NothingAccepted;
  return level;
}

}  // namespace pricewright
