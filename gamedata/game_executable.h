#pragma once

#include <cstdint>
#include <ios>
#include <memory>
#include <span>
#include <streambuf>
#include <string>

#include "gamedata/byte_source.h"

namespace pricewright {

// The game executable, open for positioned reads only. Every read goes to the
// file as it is now: a file that shrinks or vanishes while open gives a clear
// error on the next read, never stale or filler bytes.
class GameExecutable final : public ByteSource {
public:
  // Opens `path` (UTF-8) for reading; raises a RuntimeError naming the file when
  // it cannot be opened.
  explicit GameExecutable(const std::string& path);

  const std::string& path() const { return path_; }
  // The file's name without its folder: "DIABLO.EXE".
  std::string fileName() const;

  void readBytes(std::int32_t position, std::span<char> bytes) const override;
  // Reads no more than the file holds, whatever `count` asks.
  std::string readAvailable(std::int32_t position, std::int32_t count) const override;

  // Raises File not found when the file has been deleted or moved since it was
  // opened. Some systems keep serving a deleted file's bytes to the open
  // handle, so the operations ask before they read.
  void checkStillInPlace() const;

private:
  // Reads up to `count` bytes at zero-based `offset`; returns how many it got.
  std::streamsize readAt(std::streamoff offset, char* bytes, std::streamsize count) const;
  // The file's length now, or -1 where it cannot be told.
  std::streamoff length() const;

  std::string path_;
  std::unique_ptr<std::streambuf> file_;
};

}  // namespace pricewright
