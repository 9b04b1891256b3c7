#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "gamedata/error.h"
#include "gamedata/game_version.h"
#include "gamedata/tables.h"

namespace pricewright {

// The "game_file" object every JSON answer starts with: the layout read, the
// release the MD5 (or, for Hellfire, its tables) names, whether the file is
// modified, and whether the shops' limits came from it; for tables found by
// their shape, "found" gives each table's offset and count.
nlohmann::ordered_json gameFileJson(const GameVersion& version);

// A command's answer with the file's "game_file" first, as a single command writes it.
nlohmann::ordered_json withGameFile(const GameVersion& version, const nlohmann::ordered_json& answer);

// An error as JSON: its number, the number's description and what failed, under `whatKey`.
nlohmann::ordered_json errorJson(const RuntimeError& error, std::string_view whatKey = "what");

// A shop as JSON names it: "griswold".
std::string shopKey(Shop shop);

// The same for a reader at a terminal: "Game file: Diablo 1.09 (GOG)", and
// where the tables were found by their shape, a line saying where.
std::string gameFileText(const GameVersion& version);

}  // namespace pricewright
