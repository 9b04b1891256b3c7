#pragma once

#include <QIcon>

namespace pricewright {

// The application icon, a horned skull, with its 32 x 32 and 16 x 16 images.
QIcon applicationIcon();

}  // namespace pricewright
