#include "pricing/shop_tables.h"

namespace pricewright {

ShopTables shopTables(const GameRecords& records) {
  ShopTables tables;
  const auto count = [&](Table table) { return records.layout().table(table).recordCount; };
  for (ListIndex index = 0; index < count(Table::Prefixes); ++index)
    tables.prefixes.push_back(records.affix(Table::Prefixes, index));
  for (ListIndex index = 0; index < count(Table::Suffixes); ++index)
    tables.suffixes.push_back(records.affix(Table::Suffixes, index));
  for (ListIndex index = 0; index < count(Table::BaseItems); ++index)
    tables.baseItems.push_back(records.baseItem(index));
  for (ListIndex index = 0; index < count(Table::Spells); ++index)
    tables.spells.push_back(records.spell(index));
  tables.shops = gameShops(records);
  return tables;
}

}  // namespace pricewright
