#include "pricing/shop_odds.h"

#include <cmath>

#include "gamedata/error.h"

namespace pricewright {

namespace {
constexpr std::size_t indexOf(Players players) { return static_cast<std::size_t>(players); }

// The chance that at least one of `count` items made at chance `chance` is the item: 1 - (1 - chance)^count,
// worked out without losing a small chance to rounding.
double anyOf(double count, double chance) { return 0 - std::expm1(count * std::log1p(-chance)); }

// The visit's new items number from `stock.fewest` to `stock.most`, each count as likely.
std::vector<std::optional<double>> perVisit(const std::vector<LevelChance>& levels, StockSize stock) {
  std::vector<std::optional<double>> visits;
  for (const LevelChance& level : levels) {
    if (!level.chance) {
      visits.emplace_back();
      continue;
    }
    double sum = 0;
    for (int count = stock.fewest; count <= stock.most; ++count) sum += anyOf(count, *level.chance);
    visits.emplace_back(sum / (stock.most - stock.fewest + 1));
  }
  return visits;
}

// Griswold's six premium items for each character level, all new.
std::vector<LevelChance> perCharacterLevel(const MakerOdds& premium) {
  std::vector<LevelChance> characterLevels;
  for (int character = 1; character <= kHighestCharacterLevel; ++character) {
    LevelChance six{0.0, false, Stall::None};
    double none = 0;  // the log of the chance that none of the six is the item
    for (const int level : premiumItemLevels(character)) {
      const LevelChance& item = premium.at(level);
      six.above0 = six.above0 || item.above0;
      if (!item.chance) six.chance.reset();
      if (six.chance) none += std::log1p(-*item.chance);
    }
    if (six.chance) six.chance = 0 - std::expm1(none);
    characterLevels.push_back(six);
  }
  return characterLevels;
}

FirstLevel firstOf(const std::vector<LevelChance>& levels, int lowest) {
  for (std::size_t at = 0; at < levels.size(); ++at) {
    if (levels[at].above0) return {lowest + static_cast<int>(at), true};
    if (!levels[at].known()) return {std::nullopt, false};
  }
  return {std::nullopt, true};
}

template <typename Records>
void checkIndex(const Records& records, std::optional<ListIndex> index, std::string_view what) {
  if (index && (*index < 0 || static_cast<std::size_t>(*index) >= records.size()))
    throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                       "There is no " + std::string(what) + " #" + std::to_string(*index) + ".");
}
}  // namespace

ShopOdds::ShopOdds(ShopTables tables) : tables_(std::move(tables)) {
  for (auto& byMaker : accepted_)
    for (const Maker maker : kMakers)
      byMaker[pricewright::indexOf(maker)].resize(static_cast<std::size_t>(levelsOf(maker).highest) + 1 -
                                                  static_cast<std::size_t>(levelsOf(maker).lowest));
}

const Acceptance& ShopOdds::acceptance(Players players, Maker maker, int level) {
  std::optional<Acceptance>& known = accepted_[indexOf(players)][pricewright::indexOf(maker)]
                                              [static_cast<std::size_t>(level - levelsOf(maker).lowest)];
  if (!known) known = LevelDraws(tables_, players, maker, level).acceptance();
  return *known;
}

OddsItem oddsItemOf(const PickedItem& picked) {
  const auto index = [&](Table table) {
    return picked.picked(table) ? std::optional(picked.pick(table).index) : std::nullopt;
  };
  return {picked.pick(Table::BaseItems).index, index(Table::Prefixes), index(Table::Suffixes),
          index(Table::Spells)};
}

ItemOdds ShopOdds::odds(const OddsItem& item, Players players) {
  const ShopTables& read = tables_.tables;
  checkIndex(read.baseItems, item.base, "base item");
  checkIndex(read.prefixes, item.prefix, "prefix");
  checkIndex(read.suffixes, item.suffix, "suffix");
  checkIndex(read.spells, item.spell, "spell");
  ItemOdds odds;
  for (const Maker maker : kMakers) odds.makers[pricewright::indexOf(maker)].maker = maker;
  if (read.shops.game == Game::Hellfire) {
    odds.unavailable = kNoOddsForExpansion;
    return odds;
  }
  for (MakerOdds& shop : odds.makers) {
    const LevelRange range = levelsOf(shop.maker);
    for (int level = range.lowest; level <= range.highest; ++level) {
      const Acceptance& every = acceptance(players, shop.maker, level);
      if (every.stall == Stall::NoBaseItem || every.stall == Stall::NoSpell) {
        shop.levels.push_back({0.0, false, every.stall});
        continue;
      }
      const Weighed made = LevelDraws(tables_, players, shop.maker, level).weigh(item);
      if (every.weighed.unheld && (made.unheld || made.accepted > 0))
        shop.levels.push_back({std::nullopt, made.accepted > 0, Stall::None});
      else if (every.weighed.unheld)
        shop.levels.push_back({0.0, false, Stall::None});
      else if (every.stall == Stall::NothingAccepted)
        shop.levels.push_back({0.0, false, every.stall});
      else
        shop.levels.push_back(
            {static_cast<double>(made.accepted / every.weighed.accepted), made.accepted > 0, Stall::None});
    }
    shop.first = firstOf(shop.levels, range.lowest);
  }
  for (const auto& [maker, stock] :
       {std::pair{Maker::GriswoldBasic, kGriswoldBasicStock}, std::pair{Maker::Adria, kAdriaStock}}) {
    MakerOdds& shop = odds.makers[pricewright::indexOf(maker)];
    shop.perVisit = perVisit(shop.levels, stock);
  }
  MakerOdds& premium = odds.makers[pricewright::indexOf(Maker::GriswoldPremium)];
  premium.perCharacterLevel = perCharacterLevel(premium);
  premium.firstCharacterLevel = firstOf(premium.perCharacterLevel, 1);
  return odds;
}

}  // namespace pricewright
