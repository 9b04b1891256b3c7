#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>

namespace pricewright {

// The game executable, open for positioned reads only. Every read goes to the
// file as it is now: a file that shrinks or vanishes while open gives a clear
// error on the next read, never stale or filler bytes.
class GameExecutable {
public:
  // Opens `path` (UTF-8) for reading; raises a RuntimeError naming the file when
  // it cannot be opened.
  explicit GameExecutable(const std::string& path);

  const std::string& path() const { return path_; }

  // The 4-byte little-endian signed integer at 1-based `position`.
  std::int32_t readValue(std::int32_t position) const;
  // The 30 bytes at 1-based `position`, uncut.
  std::string readNameField(std::int32_t position) const;

  // Raises File not found when the file has been deleted or moved since it was
  // opened. Some systems keep serving a deleted file's bytes to the open
  // handle, so the operations ask before they read.
  void checkStillInPlace() const;

private:
  void readBytes(std::int32_t position, std::span<char> bytes) const;

  std::string path_;
  mutable std::ifstream stream_;
};

// The program's one open game executable, if any.
using OpenExecutable = std::optional<GameExecutable>;

}  // namespace pricewright
