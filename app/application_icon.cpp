#include "app/application_icon.h"

#include <QPixmap>

namespace pricewright {

QImage iconImage(const IconArt& art) {
  QImage image(art.size, art.size, QImage::Format_ARGB32);
  for (int y = 0; y < art.size; ++y) {
    for (int x = 0; x < art.size; ++x) {
      const std::optional<int> index = paletteIndexAt(art, x, y);
      if (!index) {
        image.setPixel(x, y, qRgba(0, 0, 0, 0));
        continue;
      }
      const Rgb& colour = kIconPalette[static_cast<std::size_t>(*index)];
      image.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
    }
  }
  return image;
}

QIcon applicationIcon() {
  QIcon icon;
  for (const IconArt& art : iconArts()) icon.addPixmap(QPixmap::fromImage(iconImage(art)));
  return icon;
}

}  // namespace pricewright
