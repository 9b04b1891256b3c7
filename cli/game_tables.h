#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/game_executable.h"
#include "gamedata/game_file_layout.h"

namespace pricewright {

// A field of a table as the command line names it.
struct TableColumn {
  std::string_view key;  // "effect_min"
  const FieldLayout* field;
};

// Every field the program reads from one table, under the name scripts see.
struct TableColumns {
  std::string_view key;  // "prefixes"
  const TableLayout* table;
  std::span<const TableColumn> columns;
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
  std::array<TableContents, 4> tables;                              // in the order of kTables
  std::array<std::pair<std::string_view, std::int32_t>, 3> limits;  // "griswold", "wirt", "adria"
};

// Reads every record of the four tables and the three limits: the tables, the
// names and the limits each at once. A failed read raises a RuntimeError that
// names the table and record.
GameTables readGameTables(const GameExecutable& executable);

// The tables as JSON, as CSV sections with a header row each, or as aligned text.
std::string tablesJson(const GameTables& tables);
std::string tablesCsv(const GameTables& tables);
std::string tablesText(const GameTables& tables);

}  // namespace pricewright
