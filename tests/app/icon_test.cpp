#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>

#include "app/application_icon.h"
#include "app/icon_art.h"

namespace pricewright {
namespace {

QByteArray builtIconFile() {
  QFile file(PRICEWRIGHT_ICON_FILE);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::uint32_t little(const QByteArray& bytes, qsizetype at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

TEST(IconFile, HoldsA32AndA16PixelImageIn16ColoursEachWithAMask) {
  const QByteArray ico = builtIconFile();
  ASSERT_GT(ico.size(), 6);
  ASSERT_EQ(little(ico, 2, 2), 1u);  // an icon
  ASSERT_EQ(little(ico, 4, 2), 2u);

  for (int entry = 0; entry < 2; ++entry) {
    const qsizetype at = 6 + 16 * entry;
    const int size = entry == 0 ? 32 : 16;
    EXPECT_EQ(little(ico, at, 1), static_cast<std::uint32_t>(size));
    EXPECT_EQ(little(ico, at + 1, 1), static_cast<std::uint32_t>(size));
    EXPECT_EQ(little(ico, at + 2, 1), 16u);  // colours
    EXPECT_EQ(little(ico, at + 6, 2), 4u);   // bits a pixel
    const std::uint32_t bytes = little(ico, at + 8, 4);
    const std::uint32_t offset = little(ico, at + 12, 4);
    ASSERT_LE(offset + bytes, static_cast<std::uint32_t>(ico.size()));
    // The bitmap: colour rows and then mask rows, 4 and 1 bits a pixel.
    EXPECT_EQ(little(ico, offset + 8, 4), 2u * size);
    EXPECT_EQ(little(ico, offset + 14, 2), 4u);
    const std::uint32_t rowBytes = (size * 4 + 31) / 32 * 4 + (size + 31) / 32 * 4;
    EXPECT_EQ(bytes, 40 + 16 * 4 + size * rowBytes);
  }
}

// Qt's own .ico reader is an independent decoder of what the build wrote.
TEST(IconFile, DecodesToTheSameArtAsTheWindowIcon) {
  QByteArray ico = builtIconFile();
  QBuffer buffer(&ico);
  QImageReader reader(&buffer, "ico");
  ASSERT_EQ(reader.imageCount(), 2);

  for (const IconArt& art : iconArts()) {
    const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = iconImage(art);
    ASSERT_EQ(decoded.size(), QSize(art.size, art.size));
    int matching = 0;
    for (int y = 0; y < art.size; ++y) {
      for (int x = 0; x < art.size; ++x) {
        const bool transparent = qAlpha(drawn.pixel(x, y)) == 0;
        matching += transparent ? qAlpha(decoded.pixel(x, y)) == 0 : decoded.pixel(x, y) == drawn.pixel(x, y);
      }
    }
    EXPECT_EQ(matching, art.size * art.size) << art.size << " x " << art.size;
    reader.jumpToNextImage();
  }
}

TEST(IconArt, IsAShapeInGreysAndWhiteWithRedAccentsOnTransparency) {
  const std::set<QRgb> allowed{qRgb(0, 0, 0),       qRgb(128, 128, 128), qRgb(192, 192, 192),
                               qRgb(255, 255, 255), qRgb(255, 0, 0),     qRgb(128, 0, 0)};
  for (const IconArt& art : iconArts()) {
    const QImage image = iconImage(art);
    std::set<QRgb> used;
    int transparent = 0;
    for (int y = 0; y < art.size; ++y) {
      for (int x = 0; x < art.size; ++x) {
        if (qAlpha(image.pixel(x, y)) == 0)
          ++transparent;
        else
          used.insert(image.pixel(x, y));
      }
    }
    EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), used.begin(), used.end())) << art.size;
    EXPECT_TRUE(used.contains(qRgb(255, 0, 0))) << art.size;
    EXPECT_TRUE(used.contains(qRgb(255, 255, 255))) << art.size;
    EXPECT_GT(transparent, art.size * art.size / 4) << art.size;
    EXPECT_EQ(qAlpha(image.pixel(art.size - 1, art.size - 1)), 0) << art.size;
  }
  const QIcon icon = applicationIcon();
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
}

}  // namespace
}  // namespace pricewright
