#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "gamedata/game_records.h"
#include "pricing/game_figures.h"
#include "pricing/picked_item.h"

namespace pricewright {

// The terms of the price as "Get Costs" makes them, for the Details window:
// fractions kept, the spell priced with the prefix's multiplier alone and the
// suffix left out.
struct BoxTerms {
  std::int32_t multiplier = 0;
  double baseTerm = 0;
  std::optional<double> prefixShare;  // CostMin plus the interpolated share
  std::optional<double> suffixShare;  // none for a spell, which leaves the suffix out
  std::optional<double> chargesTerm;
  double price = 0;                 // a plain item's: its base price
  std::array<bool, 3> noteShown{};  // the "Item Not Found" notes, in the order of kShopOrder
};

// One thing a press shows: a price box's new text, or, without one, the shop's "Item Not Found" note.
struct Shown {
  Shop shop;
  std::optional<std::string> boxText;
};

// What "Get Costs" made of one item.
struct Costs {
  std::vector<Shown> shown;           // in the order shown
  std::optional<RuntimeError> error;  // what stopped it; what was shown before stays
  BoxTerms terms;
  ItemRecords item;  // the records read and the values typed, for the game's figures
  GameShops shops;   // the limits as read
};

// "Get Costs": prices the described item from its records and typed values by
// the boxes' long-standing formula, and says what each price box shows and
// which notes follow, in order. It stops at the first error (Type mismatch,
// Overflow, a failed read), which it names. Each record is read once.
Costs getCosts(const GameRecords& game, const PickedItem& picked);

}  // namespace pricewright
