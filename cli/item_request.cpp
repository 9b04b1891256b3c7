#include "cli/item_request.h"

#include <algorithm>

#include "cli/name_match.h"

namespace pricewright {

std::string optionFlag(std::string_view key) {
  std::string flag = "--" + std::string(key);
  std::ranges::replace(flag, '_', '-');
  return flag;
}

PickedItem pickedItem(const ItemRequest& request, const ListEntries& entries) {
  PickedItem picked;
  picked.normalItemOnly = request.normalItemOnly;
  for (const ListOption& option : kListOptions) {
    Pick& pick = picked.pick(option.table);
    if (option.typed && request.*option.typed) pick.typed = *(request.*option.typed);
    if (const auto& name = request.*option.name)
      pick.index = matchEntry(entries[indexOf(option.table)], *name, option.what);
  }
  return picked;
}

}  // namespace pricewright
