#include "cli/game_file_report.h"

#include <sstream>

#include "gamedata/name_text.h"
#include "pricing/game_rules.h"

namespace pricewright {

nlohmann::ordered_json gameFileJson(const GameVersion& version) {
  const std::optional<bool> modified = version.modified();
  nlohmann::ordered_json json{
      {"layout", version.layout.name},
      {"release", version.release ? nlohmann::ordered_json(version.release->name) : nullptr},
      {"modified", modified ? nlohmann::ordered_json(*modified) : nullptr},
      {"limits_read", version.layout.limitsInFile()}};
  if (version.tablesFound())
    for (const Table table : kTables)
      json["found"][std::string(shapeOf(table).key)] = {{"offset", version.layout.table(table).firstRecord},
                                                        {"count", version.layout.table(table).recordCount}};
  return json;
}

nlohmann::ordered_json withGameFile(const GameVersion& version, const nlohmann::ordered_json& answer) {
  nlohmann::ordered_json json{{"game_file", gameFileJson(version)}};
  for (const auto& [key, value] : answer.items()) json[key] = value;
  return json;
}

nlohmann::ordered_json errorJson(const RuntimeError& error, std::string_view whatKey) {
  return {{"number", static_cast<int>(error.number())},
          {"description", error.description()},
          {std::string(whatKey), error.whatFailed()}};
}

std::string shopKey(Shop shop) { return lowercased(facts(shop).name); }

std::string gameFileText(const GameVersion& version) {
  std::string text = "Game file: " + version.described() + "\n";
  if (!version.tablesFound()) return text;
  text += "Tables found at";
  for (const Table table : kTables) {
    const TableLayout& found = version.layout.table(table);
    std::ostringstream offset;
    offset << "0x" << std::hex << std::uppercase << found.firstRecord;
    text += std::string(table == kTables.front() ? ": " : "; ") + std::string(shapeOf(table).key) + " " +
            offset.str() + ", " + std::to_string(found.recordCount) + " records";
  }
  return text + "\n";
}

}  // namespace pricewright
