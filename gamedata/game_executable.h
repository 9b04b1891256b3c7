#pragma once

#include <cstdint>
#include <ios>
#include <memory>
#include <optional>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>

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
  // Up to `count` bytes from 1-based `position` (at least 1): fewer where the
  // file ends, none where it cannot be read.
  std::string readAvailable(std::int32_t position, std::int32_t count) const;

  // Raises File not found when the file has been deleted or moved since it was
  // opened. Some systems keep serving a deleted file's bytes to the open
  // handle, so the operations ask before they read.
  void checkStillInPlace() const;

private:
  void readBytes(std::int32_t position, std::span<char> bytes) const;
  // Reads up to `count` bytes at zero-based `offset`; returns how many it got.
  std::streamsize readAt(std::streamoff offset, char* bytes, std::streamsize count) const;

  std::string path_;
  std::unique_ptr<std::streambuf> file_;
};

// One region of the file read at once, for a single operation that reads it
// many times (loading the lists makes hundreds of reads). A read that does not
// lie wholly within the bytes held asks the file itself, so it fails exactly
// as it would without the snapshot. It lives no longer than that operation.
class RegionSnapshot {
public:
  // The bytes from 1-based `firstPosition` up to, not including, `endPosition`.
  RegionSnapshot(const GameExecutable& executable, std::int32_t firstPosition, std::int32_t endPosition);

  std::int32_t readValue(std::int32_t position) const;
  std::string readNameField(std::int32_t position) const;

private:
  std::optional<std::string_view> held(std::int32_t position, std::int32_t count) const;

  const GameExecutable& executable_;
  std::int32_t firstPosition_;
  std::string bytes_;
};

// The program's one open game executable, if any.
using OpenExecutable = std::optional<GameExecutable>;

}  // namespace pricewright
