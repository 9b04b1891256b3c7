#include "pricing/range_hints.h"

#include "gamedata/name_text.h"

namespace pricewright {

std::string rangeText(const ValueRange& range) {
  return blankSignedText(range.low) + "-" + blankSignedText(range.high);
}

}  // namespace pricewright
