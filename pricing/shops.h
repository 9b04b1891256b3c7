#pragma once

#include <array>
#include <string_view>

#include "gamedata/game_file_layout.h"
#include "window_interface/controls.h"

namespace pricewright {

// The game's three shops: where each one's price limit lies in the game file,
// the box that shows its price, and the note shown when an item's price is
// beyond its limit.
struct Shop {
  std::string_view name;
  const SingleValueLayout& limit;
  TextBox priceBox;
  std::string_view note;
};

inline constexpr Shop kGriswold{
    "Griswold", kGriswoldLimit, {"txtCostGris"}, "Item Not Found at Griswold's Shop"};
inline constexpr Shop kWirt{"Wirt", kWirtLimit, {"txtCostWirt"}, "Item Not Found at Wirt's Shop"};
inline constexpr Shop kAdria{"Adria", kAdriaLimit, {"txtCostAdria"}, "Item Not Found at Adria's Shop"};

// In the order in which their notes are shown.
inline constexpr std::array<const Shop*, 3> kShops{&kGriswold, &kWirt, &kAdria};

}  // namespace pricewright
