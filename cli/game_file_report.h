#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "gamedata/game_version.h"
#include "gamedata/tables.h"

namespace pricewright {

// The "game_file" object every JSON answer starts with: the layout read, the
// release the MD5 names, whether the file is modified, and whether the
// shops' limits came from it.
nlohmann::ordered_json gameFileJson(const GameVersion& version);

// A shop as JSON names it: "griswold".
std::string shopKey(Shop shop);

// The same for a reader at a terminal: "Game file: Diablo 1.09 (GOG)".
std::string gameFileText(const GameVersion& version);

}  // namespace pricewright
