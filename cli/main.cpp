// pricewright-cli: the game file's tables and item prices for scripts. Exit
// status 0 on success, 1 for a Get Costs error, an item the game never prices or a bad option, 2 when the
// file cannot be opened or read.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/game_tables.h"
#include "cli/name_match.h"
#include "cli/odds_command.h"
#include "cli/price_command.h"
#include "cli/stock_command.h"
#include "gamedata/error.h"
#include "gamedata/open_game.h"
#include "pricewright_version.h"

namespace {
constexpr int kBadUse = 1;
constexpr int kUnreadableFile = 2;

enum class TablesFormat { Text, Json, Csv };

int tables(const std::string& file, TablesFormat format) {
  const pricewright::GameLoad load(file);
  const pricewright::GameTables contents = pricewright::readGameTables(load);
  switch (format) {
  case TablesFormat::Text: std::cout << pricewright::tablesText(contents); break;
  case TablesFormat::Json: std::cout << pricewright::tablesJson(contents); break;
  case TablesFormat::Csv: std::cout << pricewright::tablesCsv(contents); break;
  }
  return 0;
}

int price(const std::string& file, const pricewright::PriceRequest& request, bool json) {
  pricewright::GameLoad load(file);
  const pricewright::PickedItem picked = pricewright::pickedItem(request, load.listEntries());
  const pricewright::OpenGame game = std::move(load).open();
  const pricewright::PriceReport report = pricewright::priceItem(game, picked);
  std::cout << (json ? pricewright::priceJson(report) : pricewright::priceText(report));
  if (report.outcome.error) {
    std::cerr << report.outcome.error->what() << "\n";
    return kBadUse;
  }
  return 0;
}

int stock(const std::string& file, const pricewright::PriceRequest& request, bool json) {
  pricewright::GameLoad load(file);
  const pricewright::PickedItem picked = pricewright::pickedItem(request, load.listEntries());
  const pricewright::OpenGame game = std::move(load).open();
  const pricewright::StockReport report = pricewright::stockReport(game, picked);
  std::cout << (json ? pricewright::stockJson(report) : pricewright::stockText(report));
  if (report.error) {
    std::cerr << report.error->what() << "\n";
    return kBadUse;
  }
  return 0;
}

int odds(const std::string& file, const pricewright::PriceRequest& request, bool multiplayer, bool json) {
  pricewright::GameLoad load(file);
  const pricewright::PickedItem picked = pricewright::pickedItem(request, load.listEntries());
  const pricewright::OpenGame game = std::move(load).open();
  const pricewright::OddsReport report = pricewright::oddsReport(
      game, picked, multiplayer ? pricewright::Players::Multi : pricewright::Players::Single);
  std::cout << (json ? pricewright::oddsJson(report) : pricewright::oddsText(report));
  if (report.error) {
    std::cerr << report.error->what() << "\n";
    return kBadUse;
  }
  return 0;
}

// The arguments as CLI11 takes them, last first. "--prefix-value=" means the
// empty text, as an empty box does, where CLI11 would look for a value after it.
std::vector<std::string> arguments(int argc, char** argv) {
  std::vector<std::string> reversed;
  for (int i = argc - 1; i > 0; --i) {
    const std::string argument = argv[i];
    if (argument.starts_with("--") && argument.ends_with("=")) {
      reversed.emplace_back();
      reversed.push_back(argument.substr(0, argument.size() - 1));
    } else {
      reversed.push_back(argument);
    }
  }
  return reversed;
}

int run(int argc, char** argv) {
  CLI::App app{
      "Pricewright: the item tables and shop prices of a Diablo game executable (1.07, 1.09 and their mods).",
      "pricewright-cli"};
  app.set_version_flag("--version", "pricewright-cli " PRICEWRIGHT_VERSION);
  app.require_subcommand(1);

  std::string file;
  CLI::App& tablesCommand =
      *app.add_subcommand("tables", "Every record of the four tables and the three limits.");
  tablesCommand.add_option("FILE", file, "The game executable")->required();
  bool tablesJson = false;
  bool tablesCsv = false;
  CLI::Option* jsonFlag = tablesCommand.add_flag("--json", tablesJson, "Write JSON");
  tablesCommand.add_flag("--csv", tablesCsv, "Write CSV, a section per table")->excludes(jsonFlag);

  pricewright::PriceRequest request;
  bool priceJson = false;
  CLI::App& priceCommand = *app.add_subcommand(
      "price", "Press Get Costs for an item, as the window would, and add the game's figures.");
  priceCommand.add_option("FILE", file, "The game executable")->required();
  priceCommand.add_option("--base", request.base, "Base item: its name (any case) or #N");
  priceCommand.add_option("--prefix", request.prefix, "Prefix: its name (any case) or #N");
  priceCommand.add_option("--prefix-value", request.prefixValue,
                          "The prefix's effect value, '.' for decimals");
  priceCommand.add_option("--suffix", request.suffix, "Suffix: its name (any case) or #N");
  priceCommand.add_option("--suffix-value", request.suffixValue,
                          "The suffix's effect value, '.' for decimals");
  priceCommand.add_option("--spell", request.spell, "Spell: its name (any case) or #N");
  priceCommand.add_option("--charges", request.charges, "The spell's charges");
  priceCommand.add_flag("--normal-only", request.normalItemOnly, "Check \"Normal Item Only\"");
  priceCommand.add_flag("--json", priceJson, "Write JSON");

  pricewright::PriceRequest stockRequest;
  bool stockJson = false;
  CLI::App& stockCommand = *app.add_subcommand(
      "stock", "Which shops stock an item, over every roll of its affixes and charges the game can make.");
  stockCommand.add_option("FILE", file, "The game executable")->required();
  stockCommand.add_option("--base", stockRequest.base, "Base item: its name (any case) or #N")->required();
  stockCommand.add_option("--prefix", stockRequest.prefix, "Prefix: its name (any case) or #N");
  stockCommand.add_option("--suffix", stockRequest.suffix, "Suffix: its name (any case) or #N");
  stockCommand.add_option("--spell", stockRequest.spell, "Spell: its name (any case) or #N");
  stockCommand.add_flag("--json", stockJson, "Write JSON");

  pricewright::PriceRequest oddsRequest;
  bool oddsMultiplayer = false;
  bool oddsJson = false;
  CLI::App& oddsCommand = *app.add_subcommand(
      "odds", "How likely each shop is to make an item, level by level, as the game draws its items.");
  oddsCommand.add_option("FILE", file, "The game executable")->required();
  oddsCommand.add_option("--base", oddsRequest.base, "Base item: its name (any case) or #N")->required();
  oddsCommand.add_option("--prefix", oddsRequest.prefix, "Prefix: its name (any case) or #N");
  oddsCommand.add_option("--suffix", oddsRequest.suffix, "Suffix: its name (any case) or #N");
  oddsCommand.add_option("--spell", oddsRequest.spell,
                         "Spell: its name (any case) or #N; a book's plays no part");
  oddsCommand.add_flag("--multiplayer", oddsMultiplayer, "The shops of a multiplayer game");
  oddsCommand.add_flag("--json", oddsJson, "Write JSON");

  try {
    std::vector<std::string> reversed = arguments(argc, argv);
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : kBadUse;
  }
  try {
    if (tablesCommand.parsed())
      return tables(file, tablesJson  ? TablesFormat::Json
                          : tablesCsv ? TablesFormat::Csv
                                      : TablesFormat::Text);
    if (stockCommand.parsed()) return stock(file, stockRequest, stockJson);
    if (oddsCommand.parsed()) return odds(file, oddsRequest, oddsMultiplayer, oddsJson);
    return price(file, request, priceJson);
  } catch (const pricewright::UsageError& error) {
    std::cerr << error.what() << "\n";
    return kBadUse;
  } catch (const pricewright::RuntimeError& error) {
    // price(), stock() and odds() report the item's own errors; what is left is opening or reading the file.
    std::cerr << error.what() << "\n";
    return kUnreadableFile;
  }
}
}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (...) {
    std::cerr << "pricewright-cli: an unexpected failure\n";
    return kBadUse;
  }
}
