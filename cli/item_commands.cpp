#include "cli/item_commands.h"

#include <algorithm>

#include "cli/price_command.h"
#include "cli/stock_command.h"

namespace pricewright {

const ItemCommandSpec* itemCommandNamed(std::string_view name) {
  const auto* found = std::ranges::find(kItemCommands, name, &ItemCommandSpec::name);
  return found == kItemCommands.end() ? nullptr : found;
}

ItemAnswer answerItem(ItemCommand command, const OpenGame& game, const PickedItem& picked, Players players,
                      bool withText) {
  switch (command) {
  case ItemCommand::Price: {
    const PriceReport report = priceItem(game, picked, players);
    return {priceJson(report), withText ? priceText(report) : "", report.outcome.error};
  }
  case ItemCommand::Stock: {
    const StockReport report = stockReport(game, picked, players);
    return {stockJson(report), withText ? stockText(report) : "", report.error};
  }
  }
  return {};
}

}  // namespace pricewright
