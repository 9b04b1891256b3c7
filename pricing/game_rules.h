#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "gamedata/tables.h"
#include "window_interface/controls.h"

namespace pricewright {

// The rules of the game's shops that both the price boxes and the game's own
// figures follow, each said once.

// The kinds of item the shops tell apart.
enum class ItemKind { Nothing, Plain, Magic, Spell };

// Griswold sells plain and magic items, Wirt magic ones, Adria those with a spell.
constexpr bool sells(Shop shop, ItemKind kind) {
  switch (kind) {
  case ItemKind::Plain: return shop == Shop::Griswold;
  case ItemKind::Magic: return shop != Shop::Adria;
  case ItemKind::Spell: return shop == Shop::Adria;
  case ItemKind::Nothing: break;
  }
  return false;
}

// Wirt asks half as much again as the item is worth; the others ask its worth.
struct MarkUp {
  int numerator;
  int denominator;
};
constexpr MarkUp markUp(Shop shop) { return shop == Shop::Wirt ? MarkUp{3, 2} : MarkUp{1, 1}; }
// The game's price at a shop, in whole numbers toward zero: Wirt's is the value plus half of it.
constexpr std::int64_t gameAsks(Shop shop, std::int64_t value) {
  return value * markUp(shop).numerator / markUp(shop).denominator;
}

// A spell's charges count toward an item's value at a fifth of its ChargeValue each.
inline constexpr int kChargeDivisor = 5;

// A shop buys an item back for a quarter of its value, and never for less than 1.
constexpr std::int64_t buyBack(std::int64_t value) { return std::max<std::int64_t>(value / 4, 1); }

// Each shop as the window shows it.
struct ShopFacts {
  Shop shop;
  std::string_view name;     // "Griswold"
  std::string_view pronoun;  // "he"
  TextBox priceBox;
  std::string_view note;     // shown when the price is beyond the shop's limit
  std::string_view notSold;  // what the box shows for a kind the shop does not sell
};
inline constexpr std::array<ShopFacts, 3> kShops{{
    {Shop::Griswold, "Griswold", "he", {"txtCostGris"}, "Item Not Found at Griswold's Shop", "Unavailable"},
    {Shop::Wirt, "Wirt", "he", {"txtCostWirt"}, "Item Not Found at Wirt's Shop", "Unavailable"},
    {Shop::Adria, "Adria", "she", {"txtCostAdria"}, "Item Not Found at Adria's Shop", "---"},
}};
constexpr const ShopFacts& facts(Shop shop) { return kShops[indexOf(shop)]; }

}  // namespace pricewright
