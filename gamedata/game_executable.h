#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pricewright {

// The game executable, open for positioned reads only. Outside a ReadBurst
// every read goes to the file as it is now: a file that shrinks or vanishes
// while open gives a clear error on the next read, never stale or filler bytes.
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
  friend class ReadBurst;
  struct Block {
    std::int64_t index;
    std::string bytes;  // shorter than a block only where the file ends
  };

  void readBytes(std::int32_t position, std::span<char> bytes) const;
  void readFromFile(std::int64_t offset, std::span<char> bytes) const;
  bool readFromBurst(std::int64_t offset, std::span<char> bytes) const;
  const std::string& burstBlock(std::int64_t index) const;

  std::string path_;
  mutable std::ifstream stream_;
  mutable std::optional<std::vector<Block>> burst_;  // while a ReadBurst lives
};

// While it lives, reads of its executable are served from blocks of the file
// read once each, so that loading the lists costs a few system calls instead of
// two a read. It lasts one operation; reads outside it ask the file afresh.
class ReadBurst {
public:
  explicit ReadBurst(const GameExecutable& executable) : executable_(executable) {
    executable_.burst_.emplace();
  }
  ~ReadBurst() { executable_.burst_.reset(); }
  ReadBurst(const ReadBurst&) = delete;
  ReadBurst& operator=(const ReadBurst&) = delete;

private:
  const GameExecutable& executable_;
};

// The program's one open game executable, if any.
using OpenExecutable = std::optional<GameExecutable>;

}  // namespace pricewright
