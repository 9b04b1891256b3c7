// Compiles the Windows resource script with the MinGW resource compiler (at
// build time, into a .res file) and reads the icon and version record back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace pricewright {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kIconGroupType = 14;
constexpr std::uint16_t kVersionType = 16;

std::size_t aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

std::uint32_t little(const Bytes& bytes, std::size_t at, int size) {
  if (at + static_cast<std::size_t>(size) > bytes.size()) throw std::out_of_range("read past the end");
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

// UTF-16 text up to its terminating zero, as ASCII (all our texts are).
std::string utf16At(const Bytes& bytes, std::size_t& at) {
  std::string text;
  for (std::uint32_t unit; (unit = little(bytes, at, 2)) != 0; at += 2)
    text.push_back(static_cast<char>(unit));
  at += 2;
  return text;
}

struct Resource {
  std::uint32_t type;  // numbered types only
  std::uint16_t language;
  Bytes data;
};

std::vector<Resource> readResFile(const char* path) {
  Bytes file(std::filesystem::file_size(path));
  std::ifstream(path, std::ios::binary)
      .read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
  std::vector<Resource> resources;
  for (std::size_t at = 0; at + 32 <= file.size();) {
    const std::uint32_t dataSize = little(file, at, 4);
    const std::uint32_t headerSize = little(file, at + 4, 4);
    const std::uint32_t type = little(file, at + 8, 2) == 0xFFFF ? little(file, at + 10, 2) : 0;
    const auto language = static_cast<std::uint16_t>(little(file, at + headerSize - 10, 2));
    const auto data = file.begin() + static_cast<std::ptrdiff_t>(at + headerSize);
    if (dataSize > 0) resources.push_back({type, language, Bytes(data, data + dataSize)});
    at = aligned(at + headerSize + dataSize);
  }
  return resources;
}

// One block of the version record: a key, a binary or text value, children.
struct Block {
  std::string key;
  Bytes value;
  std::string text;
  std::vector<Block> children;
};

Block readBlock(const Bytes& bytes, std::size_t start) {
  Block block;
  const std::size_t end = start + little(bytes, start, 2);
  const std::uint32_t valueLength = little(bytes, start + 2, 2);
  const bool isText = little(bytes, start + 4, 2) == 1;
  std::size_t at = start + 6;
  block.key = utf16At(bytes, at);
  at = aligned(at);
  if (isText && valueLength > 0) {
    std::size_t textAt = at;
    block.text = utf16At(bytes, textAt);
    at = aligned(at + 2 * std::size_t{valueLength});
  } else {
    block.value.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + valueLength));
    at = aligned(at + valueLength);
  }
  while (at < end) {
    block.children.push_back(readBlock(bytes, at));
    at = aligned(at + little(bytes, at, 2));
  }
  return block;
}

std::vector<Resource> ofType(const std::vector<Resource>& resources, std::uint32_t type) {
  std::vector<Resource> found;
  std::ranges::copy_if(resources, std::back_inserter(found),
                       [type](const Resource& resource) { return resource.type == type; });
  return found;
}

class VersionResource : public ::testing::Test {
protected:
  std::vector<Resource> resources = readResFile(PRICEWRIGHT_RESOURCE_FILE);
};

TEST_F(VersionResource, GivesFileAndProductVersionOnePointZero) {
  const std::vector<Resource> versions = ofType(resources, kVersionType);
  ASSERT_EQ(versions.size(), 1u);
  const Block root = readBlock(versions[0].data, 0);

  EXPECT_EQ(root.key, "VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  EXPECT_EQ(little(root.value, 0, 4), 0xFEEF04BDu);
  EXPECT_EQ(little(root.value, 8, 4), 0x00010000u);   // file version 1.0
  EXPECT_EQ(little(root.value, 12, 4), 0x00000000u);  //              .0.0
  EXPECT_EQ(little(root.value, 16, 4), 0x00010000u);  // product version 1.0
  EXPECT_EQ(little(root.value, 20, 4), 0x00000000u);  //                 .0.0
  EXPECT_EQ(little(root.value, 36, 4), 1u);           // an application
}

TEST_F(VersionResource, HoldsExactlyOneUsEnglishUnicodeStringTableWithTheFiveNames) {
  const std::vector<Resource> versions = ofType(resources, kVersionType);
  ASSERT_EQ(versions.size(), 1u);
  const Block root = readBlock(versions[0].data, 0);
  std::map<std::string, const Block*> sections;
  for (const Block& child : root.children) sections[child.key] = &child;

  ASSERT_TRUE(sections.contains("StringFileInfo"));
  const Block& stringFileInfo = *sections["StringFileInfo"];
  ASSERT_EQ(stringFileInfo.children.size(), 1u);
  const Block& table = stringFileInfo.children[0];
  EXPECT_EQ(table.key, "040904B0");
  std::map<std::string, std::string> strings;
  for (const Block& entry : table.children) strings[entry.key] = entry.text;
  EXPECT_EQ(strings, (std::map<std::string, std::string>{{"ProductName", "Pricewright"},
                                                         {"FileVersion", "1.00"},
                                                         {"ProductVersion", "1.00"},
                                                         {"InternalName", "Pricewright"},
                                                         {"OriginalFilename", "Pricewright.exe"}}));
  EXPECT_EQ(table.children.size(), 5u);

  // The translation that points readers of the record at that table.
  ASSERT_TRUE(sections.contains("VarFileInfo"));
  ASSERT_EQ(sections["VarFileInfo"]->children.size(), 1u);
  const Block& translation = sections["VarFileInfo"]->children[0];
  EXPECT_EQ(translation.key, "Translation");
  EXPECT_EQ(translation.value, (Bytes{0x09, 0x04, 0xB0, 0x04}));
  EXPECT_EQ(root.children.size(), 2u);
  EXPECT_EQ(versions[0].language, 0x0409);
}

TEST_F(VersionResource, CarriesTheIconWithItsTwoSixteenColourImages) {
  const std::vector<Resource> groups = ofType(resources, kIconGroupType);
  ASSERT_EQ(groups.size(), 1u);
  const Bytes& group = groups[0].data;
  ASSERT_EQ(little(group, 4, 2), 2u);
  for (std::size_t entry = 0; entry < 2; ++entry) {
    const std::size_t at = 6 + 14 * entry;
    const std::uint32_t size = entry == 0 ? 32 : 16;
    EXPECT_EQ(little(group, at, 1), size);
    EXPECT_EQ(little(group, at + 1, 1), size);
    EXPECT_EQ(little(group, at + 2, 1), 16u);
    EXPECT_EQ(little(group, at + 6, 2), 4u);
  }
  EXPECT_EQ(ofType(resources, kIconType).size(), 2u);
}

}  // namespace
}  // namespace pricewright
