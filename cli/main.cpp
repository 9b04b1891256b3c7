// pricewright-cli: the game file's tables and item prices for scripts. Exit
// status 0 on success, 1 for a Get Costs error, an item the game never prices or a bad option, 2 when the
// file cannot be opened or read.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

#include "cli/batch_command.h"
#include "cli/game_file_report.h"
#include "cli/game_tables.h"
#include "cli/item_commands.h"
#include "cli/item_request.h"
#include "cli/name_match.h"
#include "cli/opened_file.h"
#include "gamedata/error.h"
#include "pricewright_version.h"

namespace {
using namespace pricewright;

constexpr int kBadUse = 1;
constexpr int kUnreadableFile = 2;

enum class TablesFormat { Text, Json, Csv };

int tables(const std::string& file, TablesFormat format) {
  const GameLoad load(file);
  const GameTables contents = readGameTables(load);
  switch (format) {
  case TablesFormat::Text: std::cout << tablesText(contents); break;
  case TablesFormat::Json: std::cout << tablesJson(contents).dump(2) << "\n"; break;
  case TablesFormat::Csv: std::cout << tablesCsv(contents); break;
  }
  return 0;
}

// What one item command was asked on the command line.
struct ItemCommandLine {
  const ItemCommandSpec* command;
  CLI::App* app;
  ItemRequest request;
  bool multiplayer = false;
  bool json = false;
};

int item(const std::string& file, const ItemCommandLine& asked) {
  const OpenedFile opened = openedFile(file);
  const PickedItem picked = pickedItem(asked.request, opened.entries);
  const Players players = asked.multiplayer ? Players::Multi : Players::Single;
  const ItemAnswer answer =
      ItemAnswers(opened.game, players).answer(asked.command->command, picked, !asked.json);
  if (asked.json)
    std::cout << withGameFile(opened.game.version, answer.json).dump(2) << "\n";
  else
    std::cout << answer.text;
  if (answer.error) {
    std::cerr << answer.error->what() << "\n";
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

  std::vector<ItemCommandLine> itemCommands;
  itemCommands.reserve(kItemCommands.size());
  for (const ItemCommandSpec& command : kItemCommands) {
    ItemCommandLine& asked = itemCommands.emplace_back(ItemCommandLine{&command, nullptr, {}});
    asked.app = app.add_subcommand(std::string(command.name), std::string(command.help));
    asked.app->add_option("FILE", file, "The game executable")->required();
    for (const ListOption& option : kListOptions) {
      CLI::Option* name = asked.app->add_option(optionFlag(option.key), asked.request.*option.name,
                                                std::string(option.nameHelp));
      if (option.table == Table::BaseItems && command.baseRequired) name->required();
      if (option.typed && command.typedValues)
        asked.app->add_option(optionFlag(option.typedKey), asked.request.*option.typed,
                              std::string(option.typedHelp));
    }
    if (command.typedValues)
      asked.app->add_flag(optionFlag(kNormalOnlyKey), asked.request.normalItemOnly,
                          "Check \"Normal Item Only\"");
    asked.app->add_flag("--multiplayer", asked.multiplayer, "Follow the shops' multiplayer rules");
    asked.app->add_flag("--json", asked.json, "Write JSON");
  }

  bool batchMultiplayer = false;
  CLI::App& batchCommand = *app.add_subcommand(
      "batch",
      "Open the file once, then answer a JSON request a line from standard input, a JSON line each.");
  batchCommand.add_option("FILE", file, "The game executable")->required();
  batchCommand.add_flag("--multiplayer", batchMultiplayer, "Follow the shops' multiplayer rules");

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
    if (batchCommand.parsed()) {
      std::ios::sync_with_stdio(false);
      runBatch(openedFile(file), batchMultiplayer ? Players::Multi : Players::Single, std::cin, std::cout);
      return 0;
    }
    const auto asked = std::ranges::find_if(itemCommands, [](const auto& c) { return c.app->parsed(); });
    return asked == itemCommands.end() ? kBadUse : item(file, *asked);
  } catch (const UsageError& error) {
    std::cerr << error.what() << "\n";
    return kBadUse;
  } catch (const RuntimeError& error) {
    // The item commands report the item's own errors; what is left is opening or reading the file.
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
