#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/layout.h"

namespace pricewright::testing {

// Builds a synthetic game executable in memory: every byte not placed on
// purpose holds a fixed non-zero pseudo-random pattern, so a read from a wrong
// place shows. Every record of the four tables starts with a name of its own
// ("Prefix 0", "Base 155", ...) in a name area before the tables.
class GameFileFixture {
public:
  static constexpr std::size_t kDefaultSize = 680'000;
  // Zero-based offset where the default names lie, one 32-byte slot per record.
  static constexpr std::size_t kNameAreaOffset = 16'000;

  GameFileFixture();

  // 4-byte little-endian value at 1-based `position`.
  void setValue(std::int32_t position, std::int32_t value);
  void setField(const TableLayout& table, const FieldLayout& field, ListIndex index, std::int32_t value);
  void setLimit(const SingleValueLayout& limit, std::int32_t value) { setValue(limit.position, value); }

  // Points the record's NameAddress at its own name slot and writes `bytes`
  // there, followed by one zero byte when shorter than a name field.
  void setName(const TableLayout& table, ListIndex index, std::string_view bytes);
  // Writes `bytes` at 1-based `position` as they are.
  void setBytes(std::int32_t position, std::string_view bytes);

  void resize(std::size_t size) { bytes_.resize(size, 0x5A); }
  const std::vector<char>& bytes() const { return bytes_; }
  std::uint8_t patternByteAt(std::size_t offset) const;

  void writeTo(const std::filesystem::path& path) const;

  // The NameAddress that points at 1-based `position`.
  static std::int32_t nameAddressFor(std::int32_t position);
  // The 1-based position of the default name slot of a record.
  static std::int32_t nameSlotPosition(const TableLayout& table, ListIndex index);

private:
  std::vector<char> bytes_;
};

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
class TemporaryDirectory {
public:
  TemporaryDirectory();
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(std::string_view name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

}  // namespace pricewright::testing
