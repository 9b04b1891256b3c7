#pragma once

#include <iosfwd>

#include "cli/opened_file.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// A request line longer than this is refused, never held whole.
inline constexpr std::size_t kLongestRequestLine = 64 * 1024;

// pricewright-cli batch: the file's "game_file" first, then for each request
// line of `in`, a JSON object naming a command and an item as the single
// commands' options do, one answer line on `out`, flushed at once: the
// command's JSON without "game_file", or the error that stopped that line.
// Empty lines are skipped.
void runBatch(const OpenedFile& file, Players players, std::istream& in, std::ostream& out);

}  // namespace pricewright
