#include "cli/game_tables.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/aligned_text.h"
#include "gamedata/error.h"
#include "gamedata/table_snapshot.h"

namespace pricewright {

namespace {
constexpr std::array kAffixColumns = std::to_array<TableColumn>({{"effect_min", &kEffectMin},
                                                                 {"effect_max", &kEffectMax},
                                                                 {"cost_min", &kCostMin},
                                                                 {"cost_max", &kCostMax},
                                                                 {"multiplier", &kPriceMultiplier}});
constexpr std::array kBaseItemColumns = std::to_array<TableColumn>({{"base_price", &kBasePrice}});
constexpr std::array kSpellColumns = std::to_array<TableColumn>(
    {{"charges_min", &kChargesMin}, {"charges_max", &kChargesMax}, {"charge_value", &kChargeValue}});

// In the order of kTables.
constexpr std::array kTableColumns =
    std::to_array<TableColumns>({{"prefixes", &kPrefixTable, kAffixColumns},
                                 {"suffixes", &kSuffixTable, kAffixColumns},
                                 {"base_items", &kBaseItemTable, kBaseItemColumns},
                                 {"spells", &kSpellTable, kSpellColumns}});

constexpr std::array kLimits = std::to_array<std::pair<std::string_view, const SingleValueLayout*>>(
    {{"griswold", &kGriswoldLimit}, {"wirt", &kWirtLimit}, {"adria", &kAdriaLimit}});

TableRecord readRecord(const TableSnapshot& snapshot, const TableColumns& columns, ListIndex index) {
  TableRecord record{index, snapshot.entryText(*columns.table, index), {}};
  for (const TableColumn& column : columns.columns)
    record.values.push_back(snapshot.readField(*columns.table, *column.field, index));
  return record;
}

std::string csvQuoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}
}  // namespace

GameTables readGameTables(const GameExecutable& executable) {
  GameTables contents;
  const TableSnapshot snapshot(executable);
  for (std::size_t t = 0; t < kTableColumns.size(); ++t) {
    const TableColumns& columns = kTableColumns[t];
    contents.tables[t].columns = &columns;
    for (ListIndex index = 0; index < columns.table->recordCount; ++index) {
      try {
        contents.tables[t].records.push_back(readRecord(snapshot, columns, index));
      } catch (const RuntimeError& error) {
        throw RuntimeError(error.number(), "Reading the tables of \"" + executable.path() + "\" stopped at " +
                                               std::string(columns.table->name) + " record " +
                                               std::to_string(index) + ". " + error.whatFailed());
      }
    }
  }
  const auto [first, last] =
      std::minmax_element(kLimits.begin(), kLimits.end(), [](const auto& a, const auto& b) {
        return a.second->position < b.second->position;
      });
  const RegionSnapshot limits(executable, first->second->position, last->second->position + kRecordValueSize);
  for (std::size_t shop = 0; shop < kLimits.size(); ++shop)
    contents.limits[shop] = {kLimits[shop].first, limits.readValue(kLimits[shop].second->position)};
  return contents;
}

std::string tablesJson(const GameTables& tables) {
  nlohmann::ordered_json json;
  for (const TableContents& table : tables.tables) {
    nlohmann::ordered_json& records = json[std::string(table.columns->key)] = nlohmann::ordered_json::array();
    for (const TableRecord& record : table.records) {
      nlohmann::ordered_json row{{"index", record.index}, {"name", record.name}};
      for (std::size_t c = 0; c < record.values.size(); ++c)
        row[std::string(table.columns->columns[c].key)] = record.values[c];
      records.push_back(row);
    }
  }
  for (const auto& [shop, limit] : tables.limits) json["limits"][std::string(shop)] = limit;
  return json.dump(2) + "\n";
}

std::string tablesCsv(const GameTables& tables) {
  std::string csv;
  for (const TableContents& table : tables.tables) {
    csv += "[" + std::string(table.columns->key) + "]\nindex,name";
    for (const TableColumn& column : table.columns->columns) csv += "," + std::string(column.key);
    csv += "\n";
    for (const TableRecord& record : table.records) {
      csv += std::to_string(record.index) + "," + csvQuoted(record.name);
      for (const std::int32_t value : record.values) csv += "," + std::to_string(value);
      csv += "\n";
    }
    csv += "\n";
  }
  csv += "[limits]\n";
  for (std::size_t shop = 0; shop < tables.limits.size(); ++shop)
    csv += (shop ? "," : "") + std::string(tables.limits[shop].first);
  csv += "\n";
  for (std::size_t shop = 0; shop < tables.limits.size(); ++shop)
    csv += (shop ? "," : "") + std::to_string(tables.limits[shop].second);
  return csv + "\n";
}

std::string tablesText(const GameTables& tables) {
  std::string text;
  for (const TableContents& table : tables.tables) {
    AlignedText aligned;
    std::vector<std::string> header{"index", "name"};
    std::transform(table.columns->columns.begin(), table.columns->columns.end(), std::back_inserter(header),
                   [](const TableColumn& column) { return std::string(column.key); });
    aligned.row(header);
    for (const TableRecord& record : table.records) {
      std::vector<std::string> row{std::to_string(record.index), record.name};
      std::transform(record.values.begin(), record.values.end(), std::back_inserter(row),
                     [](std::int32_t value) { return std::to_string(value); });
      aligned.row(row);
    }
    text += std::string(table.columns->key) + ":\n" + aligned.text() + "\n";
  }
  AlignedText limits;
  for (const auto& [shop, limit] : tables.limits) limits.row({std::string(shop), std::to_string(limit)});
  return text + "limits:\n" + limits.text();
}

}  // namespace pricewright
