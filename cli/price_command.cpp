#include "cli/price_command.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/game_file_report.h"
#include "pricing/aligned_text.h"

namespace pricewright {

namespace {
// The price boxes as "boxes" names them, in the order of kShopOrder: by the
// main window's control names, on which scripts rely.
constexpr std::array<std::string_view, 3> kBoxKeys{"txtCostGris", "txtCostWirt", "txtCostAdria"};

nlohmann::ordered_json optionalNumber(const std::optional<std::int64_t>& number) {
  return number ? nlohmann::ordered_json(*number) : nlohmann::ordered_json(nullptr);
}
}  // namespace

PriceReport priceItem(const OpenGame& game, const PickedItem& picked, Players players) {
  PriceReport report{game.version, {}, press(&game, picked, {}, players)};
  for (const Shown& shown : report.outcome.shown)
    if (!shown.boxText) report.notes.emplace_back(facts(shown.shop).note);
  return report;
}

nlohmann::ordered_json priceJson(const PriceReport& report) {
  nlohmann::ordered_json json;
  for (const ShopFacts& shop : kShops)
    json["boxes"][std::string(kBoxKeys[indexOf(shop.shop)])] = report.outcome.boxTexts[indexOf(shop.shop)];
  json["notes"] = report.notes;
  json["error"] = nullptr;
  if (const auto& error = report.outcome.error) json["error"] = errorJson(*error);
  json["game"] = nullptr;
  json["game_unavailable"] = nullptr;
  if (const auto& breakdown = report.outcome.breakdown) {
    if (const auto& game = breakdown->game.figures) {
      nlohmann::ordered_json& figures = json["game"] = {{"value", game->value}};
      for (const ShopFacts& shop : kShops)
        figures[shopKey(shop.shop)] = optionalNumber(game->shops[indexOf(shop.shop)].asks);
      figures["buy_back"] = game->buyBack;
      for (const ShopFacts& shop : kShops)
        figures["stocked"][shopKey(shop.shop)] = game->shops[indexOf(shop.shop)].stocked;
    } else {
      json["game_unavailable"] = breakdown->game.unavailable;
    }
  }
  return json;
}

std::string priceText(const PriceReport& report) {
  AlignedText text;
  for (const ShopFacts& shop : kShops)
    text.row({"Cost at " + std::string(shop.name) + "'s", report.outcome.boxTexts[indexOf(shop.shop)]});
  for (const std::string& note : report.notes) text.row({"Note", note});
  if (report.outcome.error) text.row({"Error", report.outcome.error->what()});
  if (const auto& breakdown = report.outcome.breakdown) {
    if (const auto& game = breakdown->game.figures) {
      text.row({"Game value", std::to_string(game->value)});
      for (const ShopFacts& shop : kShops) {
        const ShopFigures& figures = game->shops[indexOf(shop.shop)];
        text.row({"Game at " + std::string(shop.name) + "'s",
                  !figures.asks ? "not carried"
                                : std::to_string(*figures.asks) +
                                      (figures.stocked ? " (stocked)" : " (above the limit)")});
      }
      text.row({"Game buy-back", std::to_string(game->buyBack)});
      if (!breakdown->limitsFromFile) text.row({"Limits", std::string(kGameOwnLimits)});
    } else {
      text.row({"Game", breakdown->game.unavailable});
    }
  }
  return gameFileText(report.version) + text.text();
}

}  // namespace pricewright
