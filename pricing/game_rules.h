#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "gamedata/tables.h"

namespace pricewright {

// What the price boxes know of the shops: which kinds of item each sells and
// its mark-up, by the boxes' long-standing formula. The game's own rules are
// in pricing/item_value.h and pricing/shop_rules.h.

// The kinds of item the shops tell apart.
enum class ItemKind { Nothing, Plain, Magic, Spell };
// As the shops' sayings name them: "magic items without a spell".
constexpr std::string_view kindName(ItemKind kind) {
  switch (kind) {
  case ItemKind::Plain: return "plain items";
  case ItemKind::Magic: return "magic items without a spell";
  case ItemKind::Spell: return "items with a spell";
  case ItemKind::Nothing: break;
  }
  return "nothing";
}

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

// Each shop as the window shows it.
struct ShopFacts {
  Shop shop;
  std::string_view name;     // "Griswold"
  std::string_view pronoun;  // "he"
  std::string_view note;     // shown when the price is beyond the shop's limit
  std::string_view notSold;  // what the box shows for a kind the shop does not sell
};
inline constexpr std::array<ShopFacts, 3> kShops{{
    {Shop::Griswold, "Griswold", "he", "Item Not Found at Griswold's Shop", "Unavailable"},
    {Shop::Wirt, "Wirt", "he", "Item Not Found at Wirt's Shop", "Unavailable"},
    {Shop::Adria, "Adria", "she", "Item Not Found at Adria's Shop", "---"},
}};
constexpr const ShopFacts& facts(Shop shop) { return kShops[indexOf(shop)]; }

}  // namespace pricewright
