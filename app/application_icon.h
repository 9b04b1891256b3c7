#pragma once

#include <QIcon>
#include <QImage>

#include "app/icon_art.h"

namespace pricewright {

// The art as an image with transparent pixels.
QImage iconImage(const IconArt& art);

// The application icon with its 32 x 32 and 16 x 16 images.
QIcon applicationIcon();

}  // namespace pricewright
