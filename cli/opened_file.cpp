#include "cli/opened_file.h"

namespace pricewright {

OpenedFile openedFile(const std::string& path) {
  GameLoad load(path);
  ListEntries entries = load.listEntries();
  return {std::move(entries), std::move(load).open()};
}

}  // namespace pricewright
