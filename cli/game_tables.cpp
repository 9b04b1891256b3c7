#include "cli/game_tables.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/game_file_report.h"
#include "gamedata/error.h"
#include "pricing/aligned_text.h"

namespace pricewright {

namespace {
// A record's fields as columns, in the order they lie in the record.
template <typename Record, std::size_t N>
std::vector<RecordField<Record>> inRecordOrder(const std::array<RecordField<Record>, N>& fields) {
  std::vector<RecordField<Record>> sorted(fields.begin(), fields.end());
  std::ranges::sort(sorted, {}, &RecordField<Record>::offset);
  return sorted;
}

template <typename Record, std::size_t N, typename Read>
TableColumns columnsOf(Table table, const std::array<RecordField<Record>, N>& fields, Read read) {
  const std::vector<RecordField<Record>> sorted = inRecordOrder(fields);
  TableColumns columns{shapeOf(table).key, table, {}, {}};
  std::ranges::transform(sorted, std::back_inserter(columns.names), &RecordField<Record>::key);
  columns.values = [sorted, read](const GameRecords& game, ListIndex index) {
    const Record record = read(game, index);
    std::vector<std::int32_t> values(sorted.size());
    std::ranges::transform(sorted, values.begin(),
                           [&](const RecordField<Record>& field) { return record.*field.member; });
    return values;
  };
  return columns;
}

// In the order of kTables.
const std::array<TableColumns, 4>& tableColumns() {
  static const std::array<TableColumns, 4> columns{
      columnsOf(Table::Prefixes, kAffixFields,
                [](const GameRecords& game, ListIndex index) { return game.affix(Table::Prefixes, index); }),
      columnsOf(Table::Suffixes, kAffixFields,
                [](const GameRecords& game, ListIndex index) { return game.affix(Table::Suffixes, index); }),
      columnsOf(Table::BaseItems, kBaseItemFields,
                [](const GameRecords& game, ListIndex index) { return game.baseItem(index); }),
      columnsOf(Table::Spells, kSpellFields,
                [](const GameRecords& game, ListIndex index) { return game.spell(index); }),
  };
  return columns;
}

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

// A JSON value as CSV columns: an object's members each as their own, "found_spells_count".
void addColumns(const std::string& key, const nlohmann::ordered_json& value, std::vector<std::string>& keys,
                std::vector<std::string>& values) {
  if (!value.is_object()) {
    keys.push_back(key);
    values.push_back(jsonText(value));
    return;
  }
  for (const auto& [member, inner] : value.items())
    addColumns(std::string(key).append("_").append(member), inner, keys, values);
}
}  // namespace

GameTables readGameTables(const GameLoad& load) {
  GameTables contents{load.version(), {}, {}};
  const GameRecords game = load.records();
  for (const TableColumns& columns : tableColumns()) {
    TableContents& table = contents.tables[indexOf(columns.table)];
    table.columns = &columns;
    for (ListIndex index = 0; index < load.version().layout.table(columns.table).recordCount; ++index) {
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

nlohmann::ordered_json tablesJson(const GameTables& tables) {
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
  return json;
}

std::string tablesCsv(const GameTables& tables) {
  const nlohmann::ordered_json gameFile = gameFileJson(tables.version);
  std::vector<std::string> keys;
  std::vector<std::string> values;
  for (const auto& [key, value] : gameFile.items()) addColumns(key, value, keys, values);
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
  if (!tables.version.layout.limitsInFile()) text += std::string(kGameOwnLimits) + "\n";
  return text;
}

}  // namespace pricewright
