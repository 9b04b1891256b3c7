#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/open_game.h"

namespace pricewright {

// Every field the program reads from one table, under the names scripts see.
struct TableColumns {
  std::string_view key;  // "prefixes"
  Table table;
  std::vector<std::string_view> names;  // "effect_min", ..., in the order the fields lie in the record
  std::function<std::vector<std::int32_t>(const GameRecords& game, ListIndex index)> values;
};

struct TableRecord {
  ListIndex index = 0;
  std::string name;                  // the list entry, placeholders included
  std::vector<std::int32_t> values;  // in the order of the columns
};

struct TableContents {
  const TableColumns* columns;
  std::vector<TableRecord> records;
};

struct GameTables {
  GameVersion version;
  std::array<TableContents, 4> tables;                         // in the order of kTables
  std::array<std::pair<std::string, std::int32_t>, 3> limits;  // "griswold", "wirt", "adria"
};

// Reads every record of the four tables and the three limits from the load's
// one read of the file. A failed read raises a RuntimeError that names the
// table and record.
GameTables readGameTables(const GameLoad& load);

// The tables as JSON, as CSV sections with a header row each, or as aligned text.
nlohmann::ordered_json tablesJson(const GameTables& tables);
std::string tablesCsv(const GameTables& tables);
std::string tablesText(const GameTables& tables);

}  // namespace pricewright
