#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gamedata/game_file_layout.h"

namespace pricewright::tests {

// A synthetic game executable in memory. Every byte not placed on purpose
// holds a fixed non-zero pseudo-random pattern, so a read from a wrong place
// shows. Each record starts out named "Prefix 0", ..., "Base 155", its name in
// a 32-byte slot of its own before the tables.
class GameFileFixture {
public:
  static constexpr std::size_t kDefaultSize = 680'000;

  GameFileFixture() : bytes_(kDefaultSize) {
    for (std::uint32_t offset = 0; offset < bytes_.size(); ++offset) {
      std::uint32_t x = offset * 2654435761u + 0x9E3779B9u;
      x = (x ^ x >> 15) * 0x85EBCA6Bu;
      bytes_[offset] = static_cast<char>((x ^ x >> 13) % 255 + 1);
    }
    std::int32_t slot = 16'001;
    const char* const names[] = {"Prefix", "Suffix", "Base", "Spell"};  // in the order of kTables
    for (std::size_t t = 0; t < kTables.size(); ++t)
      for (ListIndex index = 0; index < kTables[t]->recordCount; ++index, slot += 32)
        setName(*kTables[t], index, names[t] + (" " + std::to_string(index)), slot);
  }

  // 4-byte little-endian value at 1-based `position`.
  void setValue(std::int32_t position, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    setBytes(position, {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
                        static_cast<char>(bits >> 24)});
  }
  void setField(const TableLayout& table, const FieldLayout& field, ListIndex index, std::int32_t value) {
    setValue(table.recordZeroPosition + field.offsetInRecord + index * table.recordSize, value);
  }
  void setLimit(const SingleValueLayout& limit, std::int32_t value) { setValue(limit.position, value); }
  // Points the record's NameAddress at `position` and writes `name` there, then
  // a zero byte when shorter than a name field.
  void setName(const TableLayout& table, ListIndex index, const std::string& name, std::int32_t position) {
    setField(table, kNameAddress, index, position + kNameAddressOfPositionZero);
    setBytes(position, name.size() < kNameFieldSize ? name + '\0' : name);
  }
  void setBytes(std::int32_t position, const std::string& bytes) {
    if (position < 1 || position - 1 + bytes.size() > bytes_.size())
      throw std::out_of_range("outside the file");
    bytes.copy(bytes_.data() + position - 1, bytes.size());
  }
  void resize(std::size_t size) { bytes_.resize(size, 0x5A); }
  void writeTo(const std::filesystem::path& path) const {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes_.data(), std::ssize(bytes_));
  }

private:
  std::vector<char> bytes_;
};

// The made-up records of the worked example: prefix 5 ranges over 21 to 30,
// costing 1000 to 2000 and twice the price of base item 2, 100. Only
// Griswold's limit, 1500, is within reach.
inline GameFileFixture exampleFile() {
  GameFileFixture file;
  const std::pair<const FieldLayout*, std::int32_t> prefix[] = {
      {&kEffectMin, 21}, {&kEffectMax, 30}, {&kCostMin, 1000}, {&kCostMax, 2000}, {&kPriceMultiplier, 2}};
  for (const auto& [field, value] : prefix) file.setField(kPrefixTable, *field, 5, value);
  file.setField(kBaseItemTable, kBasePrice, 2, 100);
  for (const auto& [limit, value] :
       {std::pair{&kGriswoldLimit, 1500}, {&kWirtLimit, 1'000'000}, {&kAdriaLimit, 1'000'000}})
    file.setLimit(*limit, value);
  return file;
}

// A fresh folder under the system's temporary one, removed with its contents.
class TemporaryDirectory {
public:
  TemporaryDirectory() { std::filesystem::create_directories(path_); }
  ~TemporaryDirectory() {
    std::error_code ignored;  // never throws, even where a file in it is still open
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  std::filesystem::path file(const std::string& name) const { return path_ / name; }
  // Writes `fixture` as `name` and returns its path as UTF-8.
  std::string write(const GameFileFixture& fixture, const std::string& name = "DIABLO.EXE") const {
    fixture.writeTo(file(name));
    const std::u8string path = file(name).u8string();
    return {path.begin(), path.end()};
  }

private:
  inline static std::atomic<int> counter_{0};
  std::filesystem::path path_ =
      std::filesystem::temp_directory_path() /
      ("pricewright-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
};

}  // namespace pricewright::tests
