#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/open_game.h"
#include "pricing/picked_item.h"

namespace pricewright {

// An item as a command names it: list names ("#N" or an entry's text) and typed texts.
struct ItemRequest {
  std::optional<std::string> base;
  std::optional<std::string> prefix;
  std::optional<std::string> prefixValue;
  std::optional<std::string> suffix;
  std::optional<std::string> suffixValue;
  std::optional<std::string> spell;
  std::optional<std::string> charges;
  bool normalItemOnly = false;
};

// Each list's name and, for the affixes and the spell, the text typed beside
// it, under the key a batch line gives it; the command-line option is the key
// with dashes, "--prefix-value". Names are matched in this order, so the
// first unknown one is the one reported.
struct ListOption {
  Table table;
  std::string_view what;  // as errors name the list
  std::string_view key;   // "prefix"
  std::optional<std::string> ItemRequest::*name;
  std::string_view nameHelp;
  std::string_view typedKey;  // "prefix_value"; empty for the base item
  std::optional<std::string> ItemRequest::*typed;
  std::string_view typedHelp;
};
inline constexpr std::array kListOptions = std::to_array<ListOption>({
    {Table::BaseItems, "base item", "base", &ItemRequest::base, "Base item: its name (any case) or #N", "",
     nullptr, ""},
    {Table::Prefixes, "prefix", "prefix", &ItemRequest::prefix, "Prefix: its name (any case) or #N",
     "prefix_value", &ItemRequest::prefixValue, "The prefix's effect value, '.' for decimals"},
    {Table::Suffixes, "suffix", "suffix", &ItemRequest::suffix, "Suffix: its name (any case) or #N",
     "suffix_value", &ItemRequest::suffixValue, "The suffix's effect value, '.' for decimals"},
    {Table::Spells, "spell", "spell", &ItemRequest::spell, "Spell: its name (any case) or #N", "charges",
     &ItemRequest::charges, "The spell's charges"},
});
inline constexpr std::string_view kNormalOnlyKey = "normal_only";

// "--prefix-value" for "prefix_value".
std::string optionFlag(std::string_view key);

// The item `request` describes, its names matched against the lists' entries.
// A name that matches no entry, or more than one, raises UsageError.
PickedItem pickedItem(const ItemRequest& request, const ListEntries& entries);

}  // namespace pricewright
