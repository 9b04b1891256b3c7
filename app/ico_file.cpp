#include "app/ico_file.h"

namespace pricewright {

namespace {
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 4 * kIconPalette.size();
constexpr std::uint16_t kBitsPerPixel = 4;

// Bitmap rows are padded to whole 32-bit words.
std::uint32_t rowBytes(int pixels, int bitsPerPixel) {
  return static_cast<std::uint32_t>((pixels * bitsPerPixel + 31) / 32 * 4);
}

std::uint32_t imageBytes(const IconArt& art) {
  const auto rows = static_cast<std::uint32_t>(art.size);
  return kBitmapHeaderSize + kPaletteSize +
         rows * (rowBytes(art.size, kBitsPerPixel) + rowBytes(art.size, 1));
}

class LittleEndianWriter {
public:
  explicit LittleEndianWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void u16(std::uint32_t value) {
    u8(value & 0xFF);
    u8(value >> 8 & 0xFF);
  }
  void u32(std::uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
  }

private:
  std::vector<std::uint8_t>& bytes_;
};

void writeImage(LittleEndianWriter& out, const IconArt& art) {
  const auto size = static_cast<std::uint32_t>(art.size);
  out.u32(kBitmapHeaderSize);
  out.u32(size);
  out.u32(2 * size);  // the colour rows and the mask rows together
  out.u16(1);         // planes
  out.u16(kBitsPerPixel);
  out.u32(0);  // uncompressed
  out.u32(imageBytes(art) - kBitmapHeaderSize - kPaletteSize);
  out.u32(0);
  out.u32(0);
  out.u32(static_cast<std::uint32_t>(kIconPalette.size()));
  out.u32(0);
  for (const Rgb& colour : kIconPalette) {
    out.u8(colour.blue);
    out.u8(colour.green);
    out.u8(colour.red);
    out.u8(0);
  }
  // Both bitmaps run bottom-up. A transparent pixel is black in the colour
  // bitmap and set in the mask.
  for (int y = art.size - 1; y >= 0; --y) {
    for (std::uint32_t byte = 0; byte < rowBytes(art.size, kBitsPerPixel); ++byte) {
      std::uint32_t packed = 0;
      for (int half = 0; half < 2; ++half) {
        const int x = static_cast<int>(byte) * 2 + half;
        const int index = x < art.size ? paletteIndexAt(art, x, y).value_or(0) : 0;
        packed = packed << 4 | static_cast<std::uint32_t>(index);
      }
      out.u8(packed);
    }
  }
  for (int y = art.size - 1; y >= 0; --y) {
    for (std::uint32_t byte = 0; byte < rowBytes(art.size, 1); ++byte) {
      std::uint32_t packed = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = static_cast<int>(byte) * 8 + bit;
        const bool transparent = x >= art.size || !paletteIndexAt(art, x, y).has_value();
        packed = packed << 1 | (transparent ? 1u : 0u);
      }
      out.u8(packed);
    }
  }
}
}  // namespace

std::vector<std::uint8_t> icoFileBytes(std::span<const IconArt> arts) {
  std::vector<std::uint8_t> bytes;
  LittleEndianWriter out(bytes);
  out.u16(0);  // reserved
  out.u16(1);  // an icon, not a cursor
  out.u16(static_cast<std::uint32_t>(arts.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(arts.size());
  for (const IconArt& art : arts) {
    out.u8(static_cast<std::uint32_t>(art.size));
    out.u8(static_cast<std::uint32_t>(art.size));
    out.u8(static_cast<std::uint32_t>(kIconPalette.size()));
    out.u8(0);
    out.u16(1);
    out.u16(kBitsPerPixel);
    out.u32(imageBytes(art));
    out.u32(offset);
    offset += imageBytes(art);
  }
  for (const IconArt& art : arts) writeImage(out, art);
  return bytes;
}

}  // namespace pricewright
