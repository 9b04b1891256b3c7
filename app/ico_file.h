#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/icon_art.h"

namespace pricewright {

// The bytes of a Windows .ico file that holds each art as one 16-colour image
// (4 bits a pixel, the classic palette) with its 1-bit transparency mask.
std::vector<std::uint8_t> icoFileBytes(std::span<const IconArt> arts);

}  // namespace pricewright
