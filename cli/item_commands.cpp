#include "cli/item_commands.h"

#include <algorithm>

#include "cli/odds_command.h"
#include "cli/price_command.h"
#include "cli/stock_command.h"

namespace pricewright {

const ItemCommandSpec* itemCommandNamed(std::string_view name) {
  const auto* found = std::ranges::find(kItemCommands, name, &ItemCommandSpec::name);
  return found == kItemCommands.end() ? nullptr : found;
}

ItemAnswer ItemAnswers::answer(ItemCommand command, const PickedItem& picked, bool withText) {
  switch (command) {
  case ItemCommand::Price: {
    const PriceReport report = priceItem(game_, picked, players_);
    return {priceJson(report), withText ? priceText(report) : "", report.outcome.error};
  }
  case ItemCommand::Stock: {
    const StockReport report = stockReport(game_, picked, players_);
    return {stockJson(report), withText ? stockText(report) : "", report.error};
  }
  case ItemCommand::Odds: {
    if (!odds_) odds_.emplace(shopTables(game_.records()));
    const OddsReport report = oddsReport(game_.version, *odds_, picked, players_);
    return {oddsJson(report), withText ? oddsText(report) : "", report.error};
  }
  }
  return {};
}

}  // namespace pricewright
