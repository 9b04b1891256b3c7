// Reads back what the build writes for the program file: the icon file, and
// the version record as the MinGW resource compiler compiles the resource
// script.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pricewright {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t little(const Bytes& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;  // at() throws on a read past the end
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

std::size_t aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

TEST(IconFile, HoldsA32AndA16PixelImageIn16ColoursEachWithAMask) {
  const Bytes ico = fileBytes(PRICEWRIGHT_ICON_FILE);
  ASSERT_EQ(little(ico, 2, 2), 1u);  // an icon
  ASSERT_EQ(little(ico, 4, 2), 2u);  // of two images
  for (std::uint32_t entry = 0, size = 32; entry < 2; ++entry, size /= 2) {
    const std::size_t at = 6 + 16 * entry;
    EXPECT_EQ(little(ico, at, 1), size);
    EXPECT_EQ(little(ico, at + 1, 1), size);
    EXPECT_EQ(little(ico, at + 2, 1), 16u);  // colours
    EXPECT_EQ(little(ico, at + 6, 2), 4u);   // bits a pixel
    // The bitmap: header, palette, colour rows and then mask rows, 4 and 1 bits a
    // pixel, as tall as both.
    const std::uint32_t bitmap = little(ico, at + 12, 4);
    EXPECT_EQ(little(ico, bitmap + 8, 4), 2 * size);
    const std::uint32_t rowBytes = (size * 4 + 31) / 32 * 4 + (size + 31) / 32 * 4;
    EXPECT_EQ(little(ico, at + 8, 4), 40 + 16 * 4 + size * rowBytes);
  }
}

// Collects the values of a version record's block and its children by key
// path, "VS_VERSION_INFO/VarFileInfo/Translation": UTF-16 text as ASCII (all
// of ours is), binary values byte for byte.
void readBlock(const Bytes& bytes, std::size_t start, std::string path,
               std::map<std::string, std::string>& values) {
  const std::size_t end = start + little(bytes, start, 2);
  const bool isText = little(bytes, start + 4, 2) == 1;
  const std::size_t valueBytes = std::size_t{little(bytes, start + 2, 2)} * (isText ? 2 : 1);
  std::size_t at = start + 6;
  for (std::uint32_t unit; (unit = little(bytes, at, 2)) != 0; at += 2)
    path.push_back(static_cast<char>(unit));
  at = aligned(at + 2);
  for (std::size_t i = 0; i < valueBytes && !(isText && bytes[at + i] == 0); i += isText ? 2 : 1)
    values[path].push_back(static_cast<char>(bytes[at + i]));
  for (at = aligned(at + valueBytes); at < end; at = aligned(at + little(bytes, at, 2)))
    readBlock(bytes, at, path + "/", values);
}

TEST(ResourceScript, GivesAVersionRecordOfOnePointZeroWithExactlyFiveNames) {
  const Bytes res = fileBytes(PRICEWRIGHT_RESOURCE_FILE);
  Bytes key;  // the record's first key, in UTF-16, six bytes into the record
  for (char c : std::string_view("VS_VERSION_INFO")) key.insert(key.end(), {static_cast<std::uint8_t>(c), 0});
  const auto found = std::search(res.begin(), res.end(), key.begin(), key.end());
  ASSERT_NE(found, res.end());
  std::map<std::string, std::string> values;
  readBlock(res, static_cast<std::size_t>(found - res.begin()) - 6, "", values);

  // The fixed part: signature, file version 1.0.0.0, product version 1.0.0.0, an application.
  const Bytes fixed(values["VS_VERSION_INFO"].begin(), values["VS_VERSION_INFO"].end());
  ASSERT_EQ(fixed.size(), 52u);
  std::vector<std::uint32_t> fields;
  std::ranges::transform(std::array{0, 8, 12, 16, 20, 36}, std::back_inserter(fields),
                         [&](int at) { return little(fixed, static_cast<std::size_t>(at), 4); });
  EXPECT_EQ(fields, (std::vector<std::uint32_t>{0xFEEF04BD, 0x00010000, 0, 0x00010000, 0, 1}));
  values.erase("VS_VERSION_INFO");
  // One US English Unicode string table, and the translation that names it.
  const std::string table = "VS_VERSION_INFO/StringFileInfo/040904B0/";
  EXPECT_EQ(values, (std::map<std::string, std::string>{
                        {table + "ProductName", "Pricewright"},
                        {table + "FileVersion", "1.00"},
                        {table + "ProductVersion", "1.00"},
                        {table + "InternalName", "Pricewright"},
                        {table + "OriginalFilename", "Pricewright.exe"},
                        {"VS_VERSION_INFO/VarFileInfo/Translation", std::string("\x09\x04\xB0\x04", 4)}}));
}

}  // namespace
}  // namespace pricewright
