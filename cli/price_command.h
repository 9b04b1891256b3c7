#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gamedata/open_game.h"
#include "pricing/press.h"

namespace pricewright {

// What `price` was asked: list names ("#N" or an entry's text) and typed texts.
struct PriceRequest {
  std::optional<std::string> base;
  std::optional<std::string> prefix;
  std::optional<std::string> prefixValue;
  std::optional<std::string> suffix;
  std::optional<std::string> suffixValue;
  std::optional<std::string> spell;
  std::optional<std::string> charges;
  bool normalItemOnly = false;
};

// The item `request` describes, its names matched against the lists' entries.
// A name that matches no entry, or more than one, raises UsageError.
PickedItem pickedItem(const PriceRequest& request, const ListEntries& entries);

// What one press showed: the version of the file, the notes in order, and the
// outcome with the boxes and the game's figures.
struct PriceReport {
  GameVersion version;
  std::vector<std::string> notes;
  PressOutcome outcome;
};

// Presses "Get Costs" for `picked` on the open game, as the window would on a fresh start.
PriceReport priceItem(const OpenGame& game, const PickedItem& picked);

std::string priceJson(const PriceReport& report);
std::string priceText(const PriceReport& report);

}  // namespace pricewright
