#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gamedata/byte_source.h"
#include "gamedata/game_layouts.h"
#include "gamedata/game_records.h"

namespace pricewright::tests {

// A section of the fixture's Windows program: its name, its address relative to the image base, and the
// bytes of the file it holds.
struct FixtureSection {
  std::string name;
  std::uint32_t relativeAddress;
  std::int32_t fileOffset;
  std::int32_t size;
};

// Where the releases' own headers load them.
inline constexpr std::uint32_t kImageBase = 0x400000;

// A synthetic game executable in memory, laid out as `layout` says, wherever
// that puts its tables. Every byte not placed on purpose holds a fixed
// non-zero pseudo-random pattern, so a read from a wrong place shows. Each
// record starts out named "Prefix 0", ..., "Base 155", its name in a 32-byte
// slot of its own from position 16001 on, and the layout's version text lies
// in its place unless left out.
class GameFileFixture {
public:
  static constexpr std::size_t kDefaultSize = 680'000;
  static constexpr std::int32_t kFirstNameSlot = 16'001;

  explicit GameFileFixture(const GameLayout& layout = kDiablo107, bool versionText = true)
      : layout_(layout), bytes_(kDefaultSize) {
    for (std::uint32_t offset = 0; offset < bytes_.size(); ++offset) {
      std::uint32_t x = offset * 2654435761u + 0x9E3779B9u;
      x = (x ^ x >> 15) * 0x85EBCA6Bu;
      bytes_[offset] = static_cast<char>((x ^ x >> 13) % 255 + 1);
    }
    nameEveryRecord();
    if (versionText) setBytes(layout.versionText.offset + 1, std::string(layout.versionText.text));
  }

  const GameLayout& layout() const { return layout_; }

  // 4-byte little-endian value at 1-based `position`.
  void setValue(std::int32_t position, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    setBytes(position, {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
                        static_cast<char>(bits >> 24)});
  }
  // The field at `offset` in record `index`; a byte field leaves the padding after it as it was.
  void setField(Table table, std::int32_t offset, ListIndex index, std::int32_t value,
                FieldWidth width = FieldWidth::Value) {
    const std::int32_t position =
        layout_.table(table).firstRecord + 1 + offset + index * shapeOf(table).recordSize;
    if (width == FieldWidth::Value) return setValue(position, value);
    setBytes(position, std::string(1, static_cast<char>(value)));
  }
  // Every field of the record as `record` holds it.
  template <typename Record, std::size_t N>
  void setRecord(Table table, ListIndex index, const Record& record,
                 const std::array<RecordField<Record>, N>& fields) {
    for (const RecordField<Record>& field : fields)
      setField(table, field.offset, index, record.*field.member, field.width);
  }
  void setAffix(Table table, ListIndex index, const AffixRecord& record) {
    setRecord(table, index, record, kAffixFields);
  }
  void setBaseItem(ListIndex index, const BaseItemRecord& record) {
    setRecord(Table::BaseItems, index, record, kBaseItemFields);
  }
  void setBasePrice(ListIndex index, std::int32_t price) {
    setField(Table::BaseItems, fieldFor(kBaseItemFields, &BaseItemRecord::basePrice).offset, index, price);
  }
  void setSpell(ListIndex index, const SpellRecord& record) {
    setRecord(Table::Spells, index, record, kSpellFields);
  }
  // The limits where the layout keeps them in the file; the game's own stay as they are.
  void setLimits(const std::array<std::int32_t, 3>& limits) {
    for (const Shop shop : kShopOrder)
      if (const auto offset = layout_.limit(shop).offset) setValue(*offset + 1, limits[indexOf(shop)]);
  }
  void setNameAddress(Table table, ListIndex index, std::int32_t address) {
    setField(table, shapeOf(table).nameAddress.offset, index, address);
  }
  // Points the record's NameAddress at `position` and writes `name` there, then
  // a zero byte when shorter than a name field.
  void setName(Table table, ListIndex index, const std::string& name, std::int32_t position) {
    setNameAddress(table, index, addressOf(position));
    setBytes(position, name.size() < kNameFieldSize ? name + '\0' : name);
  }
  // Names each record as the constructor does, "Prefix 0" and on, or as `named` says, each in its own slot.
  void nameEveryRecord(const std::function<std::string(Table, ListIndex)>& named = {}) {
    std::int32_t slot = kFirstNameSlot;
    const char* const names[] = {"Prefix", "Suffix", "Base", "Spell"};  // in the order of kTables
    for (const Table table : kTables)
      for (ListIndex index = 0; index < layout_.table(table).recordCount; ++index, slot += 32)
        setName(table, index,
                named ? named(table, index) : names[indexOf(table)] + (" " + std::to_string(index)), slot);
  }
  // The load address of the byte at `position`: through the sections of a Windows program, else by the
  // layout's constant.
  std::int32_t addressOf(std::int32_t position) const {
    if (sections_.empty()) return position + layout_.addresses.loadAddressOfFirstByte - 1;
    for (const FixtureSection& section : sections_)
      if (position - 1 >= section.fileOffset && position - 1 < section.fileOffset + section.size)
        return static_cast<std::int32_t>(kImageBase + section.relativeAddress) + position - 1 -
               section.fileOffset;
    throw std::out_of_range("position " + std::to_string(position) + " lies in no section");
  }
  void setBytes(std::int32_t position, const std::string& bytes) {
    if (position < 1 || position - 1 + bytes.size() > bytes_.size())
      throw std::out_of_range("outside the file");
    bytes.copy(bytes_.data() + position - 1, bytes.size());
  }
  // Gives every record the game's shape, each field in its range, and ends the
  // tables as the game does: an affix record whose power is -1 after each
  // affix table (its power kept in a byte, zeros after it), a base item record
  // whose location is -1 after the base items, the empty spell before the
  // spells. What the search by shape finds.
  void shapeRecords() {
    for (const Table affixes : {Table::Prefixes, Table::Suffixes}) {
      const ListIndex count = layout_.table(affixes).recordCount;
      for (ListIndex i = 0; i < count; ++i)
        setAffix(affixes, i,
                 {.effectMin = i,
                  .effectMax = i * 2 + 1,
                  .costMin = 100 * i,
                  .costMax = 150 * i + 10,
                  .priceMultiplier = i % 7 - 2,
                  .power = i % 60,
                  .minimumLevel = i % 30,
                  .itemKinds = (i % 2 == 0 ? 0x1000 : 0x100010) | (i % 3 == 0 ? 0x1 : 0),
                  .alignment = 0,
                  .doubleChance = i % 5 == 0 ? 1 : 0,
                  .useful = 1});
      setAffix(affixes, count, {.power = 0xFF});
      setNameAddress(affixes, count, 0);
    }
    const ListIndex baseItems = layout_.table(Table::BaseItems).recordCount;
    for (ListIndex i = 0; i < baseItems; ++i)
      setBaseItem(i, {.basePrice = 10 * i,
                      .dropRate = i % 3,
                      .itemClass = i % 4,
                      .location = i % 9,
                      .graphic = i,
                      .itemType = i % 15,
                      .minimumLevel = i % 25,
                      .miscKind = i % 30,
                      .spell = 0});
    setBaseItem(baseItems, {.location = -1});
    setNameAddress(Table::BaseItems, baseItems, 0);
    for (ListIndex i = 0; i < layout_.table(Table::Spells).recordCount; ++i)
      setSpell(i, {.chargesMin = i,
                   .chargesMax = 3 * i,
                   .chargeValue = 50 * i,
                   .id = i + 1,
                   .bookLevel = i % 15,
                   .staffLevel = i % 9 - 1,
                   .bookCost = 1000 + i});
    setSpell(-1, {});
    setNameAddress(Table::Spells, -1, 0);
  }
  // The sections of the fixture's Windows program by default: code, then data
  // to the end of the file, which loads where every release's data does.
  std::vector<FixtureSection> releaseSections() const {
    return {{".text", 0x1000, 0x400, 0xA00},
            {".data", 0x3000, 0xE00, static_cast<std::int32_t>(bytes_.size()) - 0xE00}};
  }
  // Makes it a Windows program, as every release is: "MZ", "PE" where its
  // first header points, and the headers of a 32-bit program with `sections`,
  // through which every record's name is placed anew.
  void makeWindowsProgram(const std::vector<FixtureSection>& sections = {}) {
    constexpr std::int32_t kHeader = 0x80;
    constexpr std::int32_t kOptionalHeader = kHeader + 24;
    constexpr std::int32_t kOptionalHeaderSize = 0xE0;
    sections_ = sections.empty() ? releaseSections() : sections;
    setBytes(1, std::string(0x400, '\0'));
    setBytes(1, "MZ");
    setValue(0x3C + 1, kHeader);
    setBytes(kHeader + 1, std::string("PE\0\0\x4C\x01", 6));  // an Intel 386 program
    setBytes(kHeader + 7, {static_cast<char>(sections_.size()), 0});
    setBytes(kHeader + 21, {static_cast<char>(kOptionalHeaderSize), 0, 0x0F, 0x01});
    setBytes(kOptionalHeader + 1, "\x0B\x01");  // a 32-bit program's optional header
    setValue(kOptionalHeader + 29, static_cast<std::int32_t>(kImageBase));
    setValue(kOptionalHeader + 33, 0x1000);  // the sections' alignment in memory
    setValue(kOptionalHeader + 37, 0x200);   // and in the file
    std::int32_t header = kOptionalHeader + kOptionalHeaderSize + 1;
    for (const FixtureSection& section : sections_) {
      setBytes(header, section.name.substr(0, 8));
      setValue(header + 8, section.size);
      setValue(header + 12, static_cast<std::int32_t>(section.relativeAddress));
      setValue(header + 16, section.size);
      setValue(header + 20, section.fileOffset);
      header += 40;
    }
    nameEveryRecord();
  }
  // Writes `table`'s first `records` records again at zero-based `offset`,
  // framed where `framed` as the game frames the table: the affixes and base
  // items with the record that ends them after, the spells with the empty
  // spell before, which `offset` then holds.
  void copyRecords(Table table, ListIndex records, std::int32_t offset, bool framed) {
    const std::size_t size = shapeOf(table).recordSize;
    const std::size_t first = layout_.table(table).firstRecord;
    const std::size_t from = framed && table == Table::Spells ? first - size : first;
    std::string copy(bytes().substr(from, first - from + records * size));
    if (framed && table != Table::Spells)
      copy += bytes().substr(first + layout_.table(table).recordCount * size, size);
    setBytes(offset + 1, copy);
  }
  void resize(std::size_t size, char fill = 0x5A) { bytes_.resize(size, fill); }
  std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }
  void writeTo(const std::filesystem::path& path) const {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes_.data(), std::ssize(bytes_));
  }

private:
  GameLayout layout_;
  std::vector<char> bytes_;
  std::vector<FixtureSection> sections_;
};

// The table messages call `name` ("base item"), as the case tables do.
inline Table tableNamed(std::string_view name) {
  const auto* found = std::ranges::find_if(kTables, [&](Table t) { return shapeOf(t).name == name; });
  if (found == kTables.end()) throw std::invalid_argument("no table " + std::string(name));
  return *found;
}

// A made-up layout of Hellfire's tables, whose places are not public: its
// counts at 1.09's places, the suffixes after the prefixes and their end.
inline GameLayout hellfireLayout() {
  GameLayout layout = kDiablo109;
  layout.game = Game::Hellfire;
  for (const Table table : kTables)
    layout.tables[indexOf(table)].recordCount = kHellfireCounts[indexOf(table)];
  const TableLayout& prefixes = layout.table(Table::Prefixes);
  layout.tables[indexOf(Table::Suffixes)].firstRecord =
      prefixes.firstRecord + (prefixes.recordCount + 1) * shapeOf(Table::Prefixes).recordSize;
  return layout;
}

// The made-up records of the worked example: prefix 5 ranges over 21 to 30,
// costing 1000 to 2000 and twice the price of base item 2, a sword of 100;
// base item 4 is a staff of 100. Only Griswold's limit, 1500, is within reach.
inline void writeExample(GameFileFixture& file) {
  file.setAffix(Table::Prefixes, 5, {21, 30, 1000, 2000, 2});
  file.setBaseItem(2, {.basePrice = 100, .dropRate = 1, .itemType = 1});
  file.setBaseItem(4, {.basePrice = 100, .dropRate = 1, .itemType = 10});
  file.setLimits({1500, 1'000'000, 1'000'000});
}
inline GameFileFixture exampleFile(const GameLayout& layout = kDiablo107) {
  GameFileFixture file(layout);
  writeExample(file);
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
