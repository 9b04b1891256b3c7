#include "shell/where_to_buy.h"

#include <algorithm>

#include "pricing/game_rules.h"
#include "pricing/number_text.h"
#include "pricing/odds_words.h"
#include "pricing/stock.h"

namespace pricewright {

namespace {
// "The picked item has 10 rolls, values 1,200 to 2,200.", then a line per shop.
std::string stockLines(const Stock& stock) {
  const bool one = stock.rolls == 1;
  std::string text = "The picked item has " + rollCountText(stock.rolls) +
                     (one ? " roll, value " : " rolls, values ") + groupedNumber(stock.lowestValue) +
                     (one ? "" : " to " + groupedNumber(stock.highestValue)) + ".";
  for (const ShopFacts& shop : kShops)
    text += "\n" + std::string(shop.name) + ": " +
            (stock.shops[indexOf(shop.shop)].offered() ? "" : std::string(shop.pronoun) + " ") +
            stockedText(stock, shop.shop) + ".";
  return text;
}

// A line per shop: from which level it makes the item, and how often at the player's level.
std::string oddsLines(ShopOdds& odds, const PickedItem& picked, const ShopSettings& settings) {
  const ItemOdds item = odds.odds(oddsItemOf(picked), settings.players);
  if (!item.unavailable.empty()) return item.unavailable;
  std::string lines;
  for (const MakerOdds& maker : item.makers)
    lines += (lines.empty() ? "" : "\n") + std::string(makerName(maker.maker)) + ": " +
             oddsWordsAt(maker, settings.shopLevel(), settings.characterLevel) + ".";
  return lines;
}

// "At character level 20, deepest dungeon level 12 (shop level 14), in single player:"
std::string settingsLine(const ShopSettings& settings) {
  return "At character level " + std::to_string(settings.characterLevel) + ", deepest dungeon level " +
         std::to_string(settings.deepestLevel) + " (shop level " + std::to_string(settings.shopLevel()) +
         "), in " + (settings.players == Players::Single ? "single player:" : "multiplayer:");
}
}  // namespace

std::string whereToBuy(const OpenGame* game, const PickedItem& picked, const ShopSettings& settings,
                       const OddsOfGame& odds) {
  if (!game || std::ranges::none_of(kTables, [&](Table table) { return picked.picked(table); }))
    return "Pick an item in the main window: this shows which shops can stock it, over every roll the game "
           "can make of it, and from which level and how often each makes it.";
  try {
    std::string text = stockLines(stockOfPicked(game->records(), picked, settings.players));
    text += "\n" + settingsLine(settings) + "\n" + oddsLines(odds(), picked, settings);
    return game->version.layout.limitsInFile() ? text : text + "\n" + std::string(kGameOwnLimits);
  } catch (const RuntimeError& error) {
    return error.whatFailed();
  }
}

}  // namespace pricewright
