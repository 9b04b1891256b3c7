#include "cli/price_command.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/aligned_text.h"
#include "cli/name_match.h"
#include "gamedata/game_file_layout.h"
#include "pricing/shops.h"

namespace pricewright {

namespace {
// A list picked by name with, for the affixes and the spell, the text typed beside it.
struct ListOption {
  const TableLayout* table;
  std::optional<std::string> PriceRequest::*name;
  const TextBox* box;
  std::optional<std::string> PriceRequest::*typed;
};
constexpr std::array kListOptions = std::to_array<ListOption>({
    {&kBaseItemTable, &PriceRequest::base, nullptr, nullptr},
    {&kPrefixTable, &PriceRequest::prefix, &txtPreEff, &PriceRequest::prefixValue},
    {&kSuffixTable, &PriceRequest::suffix, &txtSufEff, &PriceRequest::suffixValue},
    {&kSpellTable, &PriceRequest::spell, &txtCharge, &PriceRequest::charges},
});

std::string lowercaseName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return lower;
}

nlohmann::ordered_json optionalNumber(const std::optional<std::int64_t>& number) {
  return number ? nlohmann::ordered_json(*number) : nlohmann::ordered_json(nullptr);
}
}  // namespace

PriceReport priceItem(const OpenExecutable& executable, OptionWindow& window, const PriceRequest& request) {
  for (const ListOption& option : kListOptions) {
    if (option.box && request.*option.typed) window.setText(*option.box, *(request.*option.typed));
    if (const auto& name = request.*option.name)
      window.setSelectedIndex(
          option.table->list,
          matchEntry(window.entries[std::string(option.table->list.name)], *name, option.table->name));
  }
  window.normalItemOnly = request.normalItemOnly ? 1 : 0;
  PriceReport report;
  try {
    pressGetCosts(executable, window, report.outcome);
  } catch (const RuntimeError&) {
    // Kept in the outcome: the boxes and notes before the failure are reported with it.
  }
  for (std::size_t shop = 0; shop < kShops.size(); ++shop)
    report.boxes[shop] = window.text(kShops[shop]->priceBox);
  report.notes = window.notes;
  return report;
}

std::string priceJson(const PriceReport& report) {
  nlohmann::ordered_json json;
  for (std::size_t shop = 0; shop < kShops.size(); ++shop)
    json["boxes"][std::string(kShops[shop]->priceBox.name)] = report.boxes[shop];
  json["notes"] = report.notes;
  json["error"] = nullptr;
  if (const auto& error = report.outcome.error)
    json["error"] = {{"number", static_cast<int>(error->number())},
                     {"description", error->description()},
                     {"what", error->whatFailed()}};
  json["game"] = nullptr;
  json["game_unavailable"] = nullptr;
  if (const auto& breakdown = report.outcome.breakdown) {
    if (const auto& game = breakdown->game.figures) {
      nlohmann::ordered_json& figures = json["game"] = {{"value", game->value}};
      for (std::size_t shop = 0; shop < kShops.size(); ++shop)
        figures[lowercaseName(kShops[shop]->name)] = optionalNumber(game->shops[shop].asks);
      figures["buy_back"] = game->buyBack;
      for (std::size_t shop = 0; shop < kShops.size(); ++shop)
        figures["stocked"][lowercaseName(kShops[shop]->name)] = game->shops[shop].stocked;
    } else {
      json["game_unavailable"] = breakdown->game.unavailable;
    }
  }
  return json.dump(2) + "\n";
}

std::string priceText(const PriceReport& report) {
  AlignedText text;
  for (std::size_t shop = 0; shop < kShops.size(); ++shop)
    text.row({"Cost at " + std::string(kShops[shop]->name) + "'s", report.boxes[shop]});
  for (const std::string& note : report.notes) text.row({"Note", note});
  if (report.outcome.error) text.row({"Error", report.outcome.error->what()});
  if (const auto& breakdown = report.outcome.breakdown) {
    if (const auto& game = breakdown->game.figures) {
      text.row({"Game value", std::to_string(game->value)});
      for (std::size_t shop = 0; shop < kShops.size(); ++shop) {
        const ShopFigures& figures = game->shops[shop];
        text.row({"Game at " + std::string(kShops[shop]->name) + "'s",
                  !figures.asks ? "not carried"
                                : std::to_string(*figures.asks) +
                                      (figures.stocked ? " (stocked)" : " (above the limit)")});
      }
      text.row({"Game buy-back", std::to_string(game->buyBack)});
    } else {
      text.row({"Game", breakdown->game.unavailable});
    }
  }
  return text.text();
}

}  // namespace pricewright
