#pragma once

#include <string>

#include "gamedata/open_game.h"

namespace pricewright {

// A game file opened once for one or many commands: what it is, its lists'
// entries, by which names are matched, and the file kept open for the reads.
struct OpenedFile {
  ListEntries entries;
  OpenGame game;
};

// Raises the RuntimeError of the open or of the load.
OpenedFile openedFile(const std::string& path);

}  // namespace pricewright
