#include "shell/details_text.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>

#include "pricing/aligned_text.h"
#include "pricing/game_rules.h"
#include "pricing/number_text.h"
#include "shell/details_window_layout.h"
#include "shell/where_to_buy.h"

namespace pricewright {

namespace {
constexpr std::string_view kDiffers = "differs";

// The table's columns, built a row at a time.
class Columns {
public:
  Columns(std::string separator, bool gameKnown) : separator_(std::move(separator)), gameKnown_(gameKnown) {}

  // `same` says whether the two figures agree, where their texts alone cannot.
  void row(std::string_view term, const std::string& boxes, const std::string& game,
           std::optional<bool> same = std::nullopt) {
    append(terms_, std::string(term));
    append(boxes_, boxes);
    append(game_, game);
    append(differs_, !gameKnown_ || same.value_or(boxes == game) ? "" : std::string(kDiffers));
  }
  std::string number(double value) const { return plainNumberText(value, separator_); }
  std::string number(const std::optional<double>& value) const { return value ? number(*value) : ""; }
  std::string number(const std::optional<std::int64_t>& value) const {
    return value ? number(static_cast<double>(*value)) : "";
  }
  bool anyDiffers() const { return differs_.find(kDiffers) != std::string::npos; }

  std::vector<LabelText> labels() const {
    return {{lblTerms, terms_}, {lblBoxes, boxes_}, {lblGame, game_}, {lblDiffers, differs_}};
  }

private:
  static void append(std::string& column, const std::string& line) { column += line + "\n"; }

  std::string separator_;
  bool gameKnown_;
  std::string terms_;
  std::string boxes_;
  std::string game_;
  std::string differs_;
};

std::string multiplierText(const Columns& table, std::int64_t multiplier, double term) {
  return (multiplier < 0 ? "/ " : "x ") + std::to_string(multiplier) + " = " + table.number(term);
}

std::string percentText(const Columns& table, const std::optional<std::int64_t>& cost,
                        const std::optional<std::int64_t>& percent) {
  return table.number(cost) + (percent ? " (" + std::to_string(*percent) + "%)" : "");
}

// A shop's price as its box shows it and as the game asks it; a box that shows
// no price and a shop that does not sell the kind agree.
void shopRow(Columns& table, Shop shop, const std::string& boxText, const GameFigures* game) {
  const bool boxHasPrice = boxText != facts(shop).notSold && !boxText.empty();
  const std::optional<std::int64_t> asks = game ? game->shops[indexOf(shop)].asks : std::nullopt;
  const std::string gameText = !game ? "" : asks ? table.number(asks) : "not carried";
  table.row(facts(shop).name, boxText, !boxHasPrice && game && !asks ? boxText : gameText);
}

// "Wirt: value 70,000 is within his limit of 90,000; he asks 105,000."
std::string shopLine(Shop shop, const PriceBreakdown& breakdown, const GameFigures& game, Players players) {
  const ShopFacts& s = facts(shop);
  const ShopFigures& figures = game.shops[indexOf(shop)];
  const bool noteShown = breakdown.boxes.noteShown[indexOf(shop)];
  const std::string pronoun(s.pronoun);
  std::string line = std::string(s.name) + ": ";
  if (!figures.asks)
    return line + pronoun + " " +
           notOffered(shop, *breakdown.item.base, breakdown.item.prefix || breakdown.item.suffix,
                      breakdown.item.spell.has_value(), players) +
           ".";
  const std::string limit =
      (pronoun == "she" ? "her limit of " : "his limit of ") + groupedNumber(figures.limit);
  if (figures.stocked)
    line += "value " + groupedNumber(game.value) + " is within " + limit + "; " + pronoun + " asks " +
            groupedNumber(*figures.asks) + ".";
  else
    line += "value " + groupedNumber(game.value) + " is above " + limit + ".";
  if (noteShown == figures.stocked)
    line += noteShown ? " Unlike the game, the boxes show \"" + std::string(s.note) + "\"."
                      : " Unlike the game, the boxes show no note for this shop.";
  return line;
}

// The rules behind the marked rows, said once each where they apply.
std::string differencesNote(const PriceBreakdown& breakdown, const GameFigures& game, bool anyDiffers) {
  if (!anyDiffers) return "The boxes' formula and the game agree on this item.";
  std::string note = "Where a row is marked, the two differ: the boxes keep fractions, the game counts "
                     "each affix in whole percent and whole numbers.";
  if (breakdown.item.spell)
    note += " For a spell the boxes multiply the charges by the prefix's multiplier and leave the suffix "
            "out; the game adds the charges to the base value before the multipliers of both affixes.";
  if (game.multiplierSum < 0) note += " A negative multiplier divides the base value, toward zero.";
  if (game.byAffixes && game.value == 1) note += " The game raises a value of 0 or less to 1.";
  if (breakdown.item.kind == ItemKind::Magic)
    note += " The boxes judge Wirt by his price after the mark-up, the game by the value before it.";
  return note;
}

// The press explained, the game's figures for a game of `players`.
std::vector<LabelText> breakdownText(const PriceBreakdown& breakdown,
                                     const std::array<std::string, 3>& boxTexts, Players players) {
  const GameOutcome outcome = gameFigures(breakdown.item, breakdown.shops, players, breakdown.separator);
  const GameFigures* game = outcome.figures ? &*outcome.figures : nullptr;
  Columns table(breakdown.separator, game != nullptr);
  const BoxTerms& boxes = breakdown.boxes;
  const auto gameNumber = [&](auto member) { return game ? table.number(std::optional(game->*member)) : ""; };
  const ItemRecords& item = breakdown.item;
  const double basePrice = item.base ? item.base->basePrice : 0;
  table.row("Base price", table.number(basePrice), game ? table.number(basePrice) : "");
  if (item.spell) {
    table.row("Charges", table.number(boxes.chargesTerm), gameNumber(&GameFigures::chargesTerm));
    table.row("Base value", table.number(basePrice), gameNumber(&GameFigures::baseValue));
  }
  if (item.prefix)
    table.row("Prefix cost", table.number(boxes.prefixShare),
              game ? percentText(table, game->prefixCost, game->prefixPercent) : "",
              game && table.number(boxes.prefixShare) == table.number(game->prefixCost));
  if (item.suffix)
    table.row("Suffix cost", item.spell ? "left out" : table.number(boxes.suffixShare),
              game ? percentText(table, game->suffixCost, game->suffixPercent) : "",
              game && table.number(boxes.suffixShare) == table.number(game->suffixCost));
  if (item.prefix || item.suffix || item.spell)
    table.row("Multiplier", multiplierText(table, boxes.multiplier, boxes.baseTerm),
              game && game->byAffixes
                  ? multiplierText(table, game->multiplierSum, static_cast<double>(game->baseTerm))
              : game ? "none"
                     : "");
  table.row("Price / value", table.number(boxes.price), gameNumber(&GameFigures::value));
  for (const Shop shop : kShopOrder) shopRow(table, shop, boxTexts[indexOf(shop)], game);
  // The boxes have no buy-back price to differ from the game's.
  table.row("Buy-back", "", gameNumber(&GameFigures::buyBack), true);

  std::vector<LabelText> labels = table.labels();
  std::string shops;
  if (game) {
    for (const Shop shop : kShopOrder)
      shops += (shops.empty() ? "" : "\n") + shopLine(shop, breakdown, *game, players);
    if (!breakdown.limitsFromFile) shops += "\n" + std::string(kGameOwnLimits);
  }
  labels.push_back({lblShops, shops});
  labels.push_back(
      {lblNote, game ? differencesNote(breakdown, *game, table.anyDiffers()) : outcome.unavailable});
  return labels;
}

std::vector<LabelText> noteOnly(std::string note) {
  return {{lblTerms, ""},   {lblBoxes, ""}, {lblGame, ""},
          {lblDiffers, ""}, {lblShops, ""}, {lblNote, std::move(note)}};
}

std::vector<LabelText> pressText(const PressOutcome& outcome, Players players) {
  if (!outcome.pressed)
    return noteOnly("Pick an item in the main window and press \"Get Costs\": this window then shows how "
                    "its price is made up, by the boxes' formula and by the game's own rules.");
  if (outcome.fileNotLoaded)
    return noteOnly("\"Get Costs\" stopped: File Not Loaded!! Open the game executable with File > Open.");
  if (outcome.error) return noteOnly("\"Get Costs\" stopped. " + std::string(outcome.error->what()));
  return breakdownText(*outcome.breakdown, outcome.boxTexts, players);
}
}  // namespace

std::string detailsPlainText(const std::vector<LabelText>& labels) {
  const auto text = [&](std::string_view name) {
    const auto found = std::ranges::find(labels, name, &LabelText::label);
    return found == labels.end() ? std::string() : found->text;
  };
  const auto caption = [](std::string_view name) {
    return std::string(std::ranges::find(detailsWindowControls(), name, &ControlSpec::name)->caption);
  };
  const auto lines = [&](std::string_view name) {
    std::vector<std::string> split;
    std::istringstream column(text(name));
    for (std::string line; std::getline(column, line);) split.push_back(line);
    return split;
  };
  AlignedText table;
  table.row({caption("Label1"), caption("Label2"), caption("Label3")});
  const std::array columns{lines(lblTerms), lines(lblBoxes), lines(lblGame), lines(lblDiffers)};
  for (std::size_t row = 0; row < columns[0].size(); ++row) {
    std::vector<std::string> cells(columns.size());
    std::ranges::transform(columns, cells.begin(), [&](const std::vector<std::string>& column) {
      return row < column.size() ? column[row] : "";
    });
    table.row(cells);
  }
  std::string plain = text(lblGameFile) + "\n\n";
  if (!columns[0].empty()) plain += table.text() + "\n";
  for (const std::string_view part : {lblShops, lblNote})
    if (!text(part).empty()) plain += text(part) + "\n\n";
  return plain + caption("Label4") + "\n" + text(lblWhereToBuy) + "\n";
}

std::string gameFileLine(const OpenGame* game) {
  if (!game) return "No game file is open.";
  return game->file.fileName() + ": " + game->version.described();
}

std::vector<LabelText> detailsText(const PressOutcome& outcome, const OpenGame* game,
                                   const PickedItem& picked, const ShopSettings& settings,
                                   const OddsOfGame& odds) {
  std::vector<LabelText> labels{{lblGameFile, gameFileLine(game)}};
  std::ranges::move(pressText(outcome, settings.players), std::back_inserter(labels));
  labels.push_back({lblWhereToBuy, whereToBuy(game, picked, settings, odds)});
  return labels;
}

}  // namespace pricewright
