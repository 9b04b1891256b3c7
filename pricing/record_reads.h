#pragma once

#include <cstdint>

#include "gamedata/game_executable.h"
#include "gamedata/game_file_layout.h"

namespace pricewright {

// Reads the record value of `field` in record `index` of `table`; a failed read
// says which table, record and field it was after.
std::int32_t readField(const GameExecutable& executable, const TableLayout& table, const FieldLayout& field,
                       ListIndex index);

// Reads a shop's price limit; a failed read names the limit.
std::int32_t readLimit(const GameExecutable& executable, const SingleValueLayout& limit);

}  // namespace pricewright
