#include "pricing/shop_rules.h"

namespace pricewright {

std::string notOffered(Shop shop, const BaseItemRecord& base, bool affixes, bool spell, Players players) {
  if (offers(shop, base, affixes, spell, players)) return "";
  const std::int32_t type = base.itemType;
  if (base.dropRate == 0) return "never makes this base item";
  if (shop == Shop::Adria) {
    if (type != kMisc && type != kStaff) return "sells staves and misc items only";
    if (affixes) return "does not sell misc items with affixes";
    if (spell && base.miscKind != kBook) return "does not sell misc items with a spell other than books";
    if (base.spell == kResurrect || base.spell == kHealOther)
      return "does not sell scrolls of Resurrect or Heal Other in single player";
    return "does not sell healing or mana potions, nor Town Portal, beyond her fixed stock";
  }
  if (spell) return "does not sell items with a spell";
  if (type == kStaff) return "does not sell staves";
  if (type == kMisc || type == kGold || type == kFood) return "does not sell misc items";
  return "does not sell rings or amulets in multiplayer";
}

}  // namespace pricewright
