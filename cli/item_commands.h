#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/error.h"
#include "gamedata/open_game.h"
#include "pricing/picked_item.h"
#include "pricing/shop_odds.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// The commands that answer for one item, alone on the command line or a line
// at a time in a batch.
enum class ItemCommand { Price, Stock, Odds };

struct ItemCommandSpec {
  ItemCommand command;
  std::string_view name;  // "price", as the command line and a batch line name it
  std::string_view help;
  bool typedValues;   // takes the effect values, the charges and "Normal Item Only"
  bool baseRequired;  // refused without a base item
};
inline constexpr std::array kItemCommands = std::to_array<ItemCommandSpec>({
    {ItemCommand::Price, "price",
     "Press Get Costs for an item, as the window would, and add the game's figures.", true, false},
    {ItemCommand::Stock, "stock",
     "Which shops stock an item, over every roll of its affixes and charges the game can make.", false, true},
    {ItemCommand::Odds, "odds",
     "How likely each shop is to make an item, level by level, as the game draws its items.", false, true},
});
const ItemCommandSpec* itemCommandNamed(std::string_view name);

// What one command answered: its JSON without the file's "game_file", its
// text where asked for, and the item's own error, with which the single
// command exits 1.
struct ItemAnswer {
  nlohmann::ordered_json json;
  std::string text;
  std::optional<RuntimeError> error;
};

// The answers for one open game's items, which keep what every item shares:
// the shops' odds are worked out once, when first asked.
class ItemAnswers {
public:
  ItemAnswers(const OpenGame& game, Players players) : game_(game), players_(players) {}

  // Raises the RuntimeError of a failed read of the file.
  ItemAnswer answer(ItemCommand command, const PickedItem& picked, bool withText);

private:
  const OpenGame& game_;
  Players players_;
  std::optional<ShopOdds> odds_;
};

}  // namespace pricewright
