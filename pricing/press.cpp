#include "pricing/press.h"

namespace pricewright {

PressOutcome press(const OpenGame* game, const PickedItem& picked, std::array<std::string, 3> boxes,
                   Players players) {
  PressOutcome outcome;
  outcome.pressed = true;
  outcome.boxTexts = std::move(boxes);
  outcome.fileNotLoaded = game == nullptr;
  if (!game) return outcome;
  Costs costs;
  try {
    game->file.checkStillInPlace();
    costs = getCosts(game->records(), picked);
  } catch (const RuntimeError& error) {
    costs.error = error;
  }
  for (const Shown& shown : costs.shown)
    if (shown.boxText) outcome.boxTexts[indexOf(shown.shop)] = *shown.boxText;
  outcome.shown = std::move(costs.shown);
  outcome.error = std::move(costs.error);
  if (!outcome.error)
    outcome.breakdown = PriceBreakdown{costs.item,
                                       costs.terms,
                                       gameFigures(costs.item, costs.shops, players, picked.separator),
                                       picked.separator,
                                       game->version.layout.limitsInFile(),
                                       costs.shops};
  return outcome;
}

}  // namespace pricewright
