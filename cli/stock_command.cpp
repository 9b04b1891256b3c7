#include "cli/stock_command.h"

#include <nlohmann/json.hpp>

#include "cli/game_file_report.h"
#include "pricing/aligned_text.h"
#include "pricing/number_text.h"

namespace pricewright {

StockReport stockReport(const OpenGame& game, const PickedItem& picked, Players players) {
  StockReport report{game.version, std::nullopt, std::nullopt};
  try {
    report.stock = stockOfPicked(game.records(), picked, players);
  } catch (const RuntimeError& error) {
    if (error.number() != ErrorNumber::InvalidProcedureCall && error.number() != ErrorNumber::Overflow) throw;
    report.error = error;
  }
  return report;
}

nlohmann::ordered_json stockJson(const StockReport& report) {
  nlohmann::ordered_json json;
  for (const char* key : {"rolls", "lowest_value", "highest_value", "shops", "error"}) json[key] = nullptr;
  if (const auto& stock = report.stock) {
    json["rolls"] = nlohmann::ordered_json(stock->rolls);
    json["lowest_value"] = stock->lowestValue;
    json["highest_value"] = stock->highestValue;
    for (const ShopFacts& shopFacts : kShops) {
      const ShopStock& shop = stock->shops[indexOf(shopFacts.shop)];
      json["shops"][shopKey(shopFacts.shop)] = {
          {"carried", shop.offered()},
          {"limit", shop.limit},
          {"stocked", nlohmann::ordered_json(shop.stocked)},
          {"highest_stocked_value",
           shop.highestStockedValue ? nlohmann::ordered_json(*shop.highestStockedValue) : nullptr},
          {"which", whichStocked(*stock, shopFacts.shop)}};
    }
    json["rolls_beyond_32_bits"] = nlohmann::ordered_json(stock->unpriced);
  }
  // The same as price's error, but for the key of what failed, which scripts already read as "text".
  if (const auto& error = report.error) json["error"] = errorJson(*error, "text");
  return json;
}

std::string stockText(const StockReport& report) {
  std::string text = gameFileText(report.version);
  if (report.error) return text + "Error: " + report.error->what() + "\n";
  const Stock& stock = *report.stock;
  AlignedText aligned;
  aligned.row(
      {"Rolls", rollCountText(stock.rolls) + ", values " + groupedNumber(stock.lowestValue) + " to " +
                    groupedNumber(stock.highestValue) +
                    (stock.unpriced ? "; " + rollCountText(stock.unpriced) + " beyond 32 bits" : "")});
  for (const ShopFacts& shopFacts : kShops)
    aligned.row({std::string(shopFacts.name), stockedText(stock, shopFacts.shop)});
  // A shop also needs the item level; `odds` tells from which level and how often each shop makes the item.
  text += aligned.text() + "From which level and how often each shop makes it: pricewright-cli odds.\n";
  if (!report.version.layout.limitsInFile()) text += std::string(kGameOwnLimits) + "\n";
  return text;
}

}  // namespace pricewright
