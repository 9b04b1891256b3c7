#include "cli/odds_command.h"

#include <nlohmann/json.hpp>

#include "cli/game_file_report.h"
#include "pricing/aligned_text.h"
#include "pricing/item_value.h"
#include "pricing/odds_words.h"

namespace pricewright {

namespace {
// Each maker as JSON names it, in the order of kMakers.
constexpr std::array<std::string_view, 4> kMakerKeys{"griswold_basic", "griswold_premium", "wirt", "adria"};

nlohmann::ordered_json chance(const std::optional<double>& chance) {
  return chance ? nlohmann::ordered_json(*chance) : nlohmann::ordered_json(nullptr);
}
nlohmann::ordered_json level(const FirstLevel& first) {
  return first.level && first.known ? nlohmann::ordered_json(*first.level) : nlohmann::ordered_json(nullptr);
}
// {"6": P, ..., "16": P}, levels as keys from `lowest`.
template <typename Each>
nlohmann::ordered_json byLevel(const std::vector<Each>& levels, int lowest, auto chanceOf) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  for (std::size_t at = 0; at < levels.size(); ++at)
    json[std::to_string(lowest + static_cast<int>(at))] = chance(chanceOf(levels[at]));
  return json;
}
}  // namespace

OddsReport oddsReport(const GameVersion& version, ShopOdds& odds, const PickedItem& picked, Players players) {
  OddsReport report{version, players, std::nullopt, std::nullopt};
  if (!gameCombines(picked.picked(Table::Spells), picked.picked(Table::Suffixes))) {
    report.error = RuntimeError(ErrorNumber::InvalidProcedureCall, std::string(kNoSuffixWithSpell));
    return report;
  }
  report.odds = odds.odds(oddsItemOf(picked), players);
  if (!report.odds->unavailable.empty()) {
    report.error = RuntimeError(ErrorNumber::InvalidProcedureCall, report.odds->unavailable);
    report.odds.reset();
  }
  return report;
}

nlohmann::ordered_json oddsJson(const OddsReport& report) {
  nlohmann::ordered_json json;
  json["players"] = report.players == Players::Single ? "single" : "multi";
  json["shops"] = nullptr;
  if (const auto& odds = report.odds) {
    const auto levelChance = [](const LevelChance& level) { return level.chance; };
    const auto plainChance = [](const std::optional<double>& each) { return each; };
    for (const MakerOdds& shop : odds->makers) {
      nlohmann::ordered_json& maker = json["shops"][std::string(kMakerKeys[indexOf(shop.maker)])];
      maker["levels"] = byLevel(shop.levels, levelsOf(shop.maker).lowest, levelChance);
      if (!shop.perVisit.empty())
        maker["per_visit"] = byLevel(shop.perVisit, levelsOf(shop.maker).lowest, plainChance);
      if (!shop.perCharacterLevel.empty())
        maker["per_character_level"] = byLevel(shop.perCharacterLevel, 1, levelChance);
      maker["first_level"] = level(shop.first);
      if (!shop.perCharacterLevel.empty()) maker["first_character_level"] = level(shop.firstCharacterLevel);
    }
  }
  json["error"] = nullptr;
  if (const auto& error = report.error)
    json["error"] = {{"number", static_cast<int>(error->number())}, {"description", error->whatFailed()}};
  return json;
}

std::string oddsText(const OddsReport& report) {
  std::string text = gameFileText(report.version);
  if (report.error) return text + "Error: " + report.error->what() + "\n";
  text += std::string(report.players == Players::Single ? "Single player" : "Multiplayer") +
          ": the chance that one new item a shop makes is this one.\n";
  AlignedText aligned;
  for (const MakerOdds& shop : report.odds->makers)
    aligned.row({std::string(makerName(shop.maker)) + ":", oddsWords(shop)});
  text += aligned.text();
  if (!report.version.layout.limitsInFile()) text += std::string(kGameOwnLimits) + "\n";
  return text;
}

}  // namespace pricewright
