#pragma once

#include <string>

#include "pricing/press.h"
#include "tests/support/outcome.h"
#include "window_interface/controls.h"

namespace pricewright::tests {

// What a press showed, in order, as the window would: "txtCostGris=100 |
// Note: Item Not Found at Griswold's Shop", then what failed.
inline std::string shownText(const PressOutcome& outcome) {
  std::string text;
  const auto add = [&](const std::string& line) { text += (text.empty() ? "" : " | ") + line; };
  for (const Shown& shown : outcome.shown)
    add(shown.boxText ? std::string(priceBox(shown.shop).name) + "=" + *shown.boxText
                      : "Note: " + std::string(facts(shown.shop).note));
  if (outcome.error) add(errorText(*outcome.error));
  return text;
}

// The game's figures in short: "value 1640 | asks 1640 2460 - | stocked no yes no | buy-back 410",
// or "never: " and why.
inline std::string figuresText(const GameOutcome& outcome) {
  if (!outcome.figures) return "never: " + outcome.unavailable;
  const GameFigures& game = *outcome.figures;
  std::string asks = " | asks";
  std::string stocked = " | stocked";
  for (const ShopFigures& shop : game.shops) {
    asks += " " + (shop.asks ? std::to_string(*shop.asks) : "-");
    stocked += shop.stocked ? " yes" : " no";
  }
  return "value " + std::to_string(game.value) + asks + stocked + " | buy-back " +
         std::to_string(game.buyBack);
}

}  // namespace pricewright::tests
