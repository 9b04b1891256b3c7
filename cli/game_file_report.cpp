#include "cli/game_file_report.h"

#include "gamedata/name_text.h"
#include "pricing/game_rules.h"

namespace pricewright {

nlohmann::ordered_json gameFileJson(const GameVersion& version) {
  const std::optional<bool> modified = version.modified();
  return {{"layout", version.layout.name},
          {"release", version.release ? nlohmann::ordered_json(version.release->name) : nullptr},
          {"modified", modified ? nlohmann::ordered_json(*modified) : nullptr},
          {"limits_read", version.layout.limitsInFile()}};
}

std::string shopKey(Shop shop) { return lowercased(facts(shop).name); }

std::string gameFileText(const GameVersion& version) { return "Game file: " + version.described() + "\n"; }

}  // namespace pricewright
