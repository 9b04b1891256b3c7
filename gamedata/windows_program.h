#pragma once

#include <optional>

#include "gamedata/address_map.h"
#include "gamedata/byte_source.h"

namespace pricewright {

// Whether the file is a Windows program, as every release of the game is:
// "MZ" at its start, and "PE" and two zero bytes where the last field of that
// first header points. A Windows program's sections are returned; a file
// that is none gives nothing. One whose headers or section table cannot be
// read raises a RuntimeError in plain words saying what is wrong with them.
std::optional<SectionTable> windowsProgramSections(const ByteSource& file);

}  // namespace pricewright
