#include "tests/support/game_file_fixture.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace pricewright::testing {

namespace {
// A simple fixed generator: the same bytes in every run, none of them zero.
std::uint8_t pattern(std::size_t offset) {
  std::uint32_t x = static_cast<std::uint32_t>(offset) * 2654435761u + 0x9E3779B9u;
  x ^= x >> 15;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  return static_cast<std::uint8_t>(x % 255 + 1);
}

std::string defaultName(const TableLayout& table, ListIndex index) {
  std::string name(table.name);
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  if (auto space = name.find(' '); space != std::string::npos) name.resize(space);
  return name + " " + std::to_string(index);
}

std::size_t recordsBefore(const TableLayout& table) {
  std::size_t count = 0;
  for (const TableLayout* each : kTables) {
    if (each == &table) break;
    count += static_cast<std::size_t>(each->recordCount);
  }
  return count;
}
}  // namespace

GameFileFixture::GameFileFixture() : bytes_(kDefaultSize) {
  for (std::size_t offset = 0; offset < bytes_.size(); ++offset)
    bytes_[offset] = static_cast<char>(pattern(offset));
  for (const TableLayout* table : kTables)
    for (ListIndex index = 0; index < table->recordCount; ++index)
      setName(*table, index, defaultName(*table, index));
}

std::uint8_t GameFileFixture::patternByteAt(std::size_t offset) const { return pattern(offset); }

void GameFileFixture::setValue(std::int32_t position, std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  std::string little(4, '\0');
  for (int i = 0; i < 4; ++i)
    little[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  setBytes(position, little);
}

void GameFileFixture::setField(const TableLayout& table, const FieldLayout& field, ListIndex index,
                               std::int32_t value) {
  setValue(table.recordZeroPosition + field.offsetInRecord + index * table.recordSize, value);
}

std::int32_t GameFileFixture::nameAddressFor(std::int32_t position) {
  return position + kNameAddressOfPositionZero;
}

std::int32_t GameFileFixture::nameSlotPosition(const TableLayout& table, ListIndex index) {
  return static_cast<std::int32_t>(kNameAreaOffset +
                                   32 * (recordsBefore(table) + static_cast<std::size_t>(index))) +
         1;
}

void GameFileFixture::setName(const TableLayout& table, ListIndex index, std::string_view bytes) {
  if (bytes.size() > kNameFieldSize) throw std::invalid_argument("a name field holds 30 bytes");
  const std::int32_t position = nameSlotPosition(table, index);
  setField(table, kNameAddress, index, nameAddressFor(position));
  std::string field(bytes);
  if (field.size() < kNameFieldSize) field.push_back('\0');
  setBytes(position, field);
}

void GameFileFixture::setBytes(std::int32_t position, std::string_view bytes) {
  const auto offset = static_cast<std::size_t>(position - 1);
  if (position < 1 || offset + bytes.size() > bytes_.size())
    throw std::out_of_range("fixture write outside the file");
  bytes.copy(bytes_.data() + offset, bytes.size());
}

void GameFileFixture::writeTo(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path.string());
}

namespace {
std::filesystem::path freshTemporaryPath() {
  static std::atomic<int> counter{0};
  return std::filesystem::temp_directory_path() /
         ("pricewright-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}
}  // namespace

TemporaryDirectory::TemporaryDirectory() : path_(freshTemporaryPath()) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TemporaryDirectory::~TemporaryDirectory() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pricewright::testing
