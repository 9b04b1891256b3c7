#include "cli/game_tables.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/game_file_report.h"
#include "gamedata/error.h"
#include "pricing/aligned_text.h"

namespace pricewright {

namespace {
constexpr std::array<std::string_view, 5> kAffixNames{"effect_min", "effect_max", "cost_min", "cost_max",
                                                      "multiplier"};
constexpr std::array<std::string_view, 1> kBaseItemNames{"base_price"};
constexpr std::array<std::string_view, 3> kSpellNames{"charges_min", "charges_max", "charge_value"};

template <Table affixes> std::vector<std::int32_t> affixValues(const GameRecords& game, ListIndex index) {
  const AffixRecord r = game.affix(affixes, index);
  return {r.effectMin, r.effectMax, r.costMin, r.costMax, r.priceMultiplier};
}

// In the order of kTables.
constexpr std::array kTableColumns = std::to_array<TableColumns>({
    {"prefixes", Table::Prefixes, kAffixNames, affixValues<Table::Prefixes>},
    {"suffixes", Table::Suffixes, kAffixNames, affixValues<Table::Suffixes>},
    {"base_items", Table::BaseItems, kBaseItemNames,
     [](const GameRecords& game, ListIndex index) { return std::vector{game.basePrice(index)}; }},
    {"spells", Table::Spells, kSpellNames,
     [](const GameRecords& game, ListIndex index) {
       const SpellRecord r = game.spell(index);
       return std::vector{r.chargesMin, r.chargesMax, r.chargeValue};
     }},
});

std::string csvQuoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string csvRow(const std::vector<std::string>& cells) {
  std::string row;
  for (const std::string& cell : cells) row += (row.empty() ? "" : ",") + cell;
  return row + "\n";
}

std::string jsonText(const nlohmann::ordered_json& value) {
  return value.is_null() ? "" : value.is_string() ? value.get<std::string>() : value.dump();
}
}  // namespace

GameTables readGameTables(const GameLoad& load) {
  GameTables contents{load.version(), {}, {}};
  const GameRecords game = load.records();
  for (const TableColumns& columns : kTableColumns) {
    TableContents& table = contents.tables[indexOf(columns.table)];
    table.columns = &columns;
    for (ListIndex index = 0; index < load.version().layout->table(columns.table).recordCount; ++index) {
      try {
        table.records.push_back({index, game.entryText(columns.table, index), columns.values(game, index)});
      } catch (const RuntimeError& error) {
        throw load.stoppedAt("Reading the tables of", columns.table, index, error);
      }
    }
  }
  for (const Shop shop : kShopOrder) contents.limits[indexOf(shop)] = {shopKey(shop), game.limit(shop)};
  return contents;
}

std::string tablesJson(const GameTables& tables) {
  nlohmann::ordered_json json;
  json["game_file"] = gameFileJson(tables.version);
  for (const TableContents& table : tables.tables) {
    nlohmann::ordered_json& records = json[std::string(table.columns->key)] = nlohmann::ordered_json::array();
    for (const TableRecord& record : table.records) {
      nlohmann::ordered_json row{{"index", record.index}, {"name", record.name}};
      for (std::size_t c = 0; c < record.values.size(); ++c)
        row[std::string(table.columns->names[c])] = record.values[c];
      records.push_back(row);
    }
  }
  for (const auto& [shop, limit] : tables.limits) json["limits"][std::string(shop)] = limit;
  return json.dump(2) + "\n";
}

std::string tablesCsv(const GameTables& tables) {
  const nlohmann::ordered_json gameFile = gameFileJson(tables.version);
  std::vector<std::string> keys;
  std::vector<std::string> values;
  for (const auto& [key, value] : gameFile.items()) {
    keys.push_back(key);
    values.push_back(jsonText(value));
  }
  std::string csv = "[game_file]\n" + csvRow(keys) + csvRow(values) + "\n";
  for (const TableContents& table : tables.tables) {
    csv += "[" + std::string(table.columns->key) + "]\nindex,name";
    for (const std::string_view name : table.columns->names) csv += "," + std::string(name);
    csv += "\n";
    for (const TableRecord& record : table.records) {
      csv += std::to_string(record.index) + "," + csvQuoted(record.name);
      for (const std::int32_t value : record.values) csv += "," + std::to_string(value);
      csv += "\n";
    }
    csv += "\n";
  }
  keys.clear();
  values.clear();
  for (const auto& [shop, limit] : tables.limits) {
    keys.emplace_back(shop);
    values.push_back(std::to_string(limit));
  }
  return csv + "[limits]\n" + csvRow(keys) + csvRow(values);
}

std::string tablesText(const GameTables& tables) {
  std::string text = gameFileText(tables.version) + "\n";
  for (const TableContents& table : tables.tables) {
    AlignedText aligned;
    std::vector<std::string> header{"index", "name"};
    std::ranges::transform(table.columns->names, std::back_inserter(header),
                           [](std::string_view name) { return std::string(name); });
    aligned.row(header);
    for (const TableRecord& record : table.records) {
      std::vector<std::string> row{std::to_string(record.index), record.name};
      std::ranges::transform(record.values, std::back_inserter(row),
                             [](std::int32_t value) { return std::to_string(value); });
      aligned.row(row);
    }
    text += std::string(table.columns->key) + ":\n" + aligned.text() + "\n";
  }
  AlignedText limits;
  for (const auto& [shop, limit] : tables.limits) limits.row({std::string(shop), std::to_string(limit)});
  text += "limits:\n" + limits.text();
  if (!tables.version.layout->limitsInFile()) text += std::string(kGameOwnLimits) + "\n";
  return text;
}

}  // namespace pricewright
