#pragma once

#include <filesystem>
#include <memory>
#include <streambuf>

namespace pricewright {

// Opens `path` for unbuffered binary reads, letting other programs read, write,
// rename and delete the file meanwhile, so that a modder can rebuild the game
// file while it is open. Nothing when it cannot be opened.
std::unique_ptr<std::streambuf> openSharedForReading(const std::filesystem::path& path);

}  // namespace pricewright
