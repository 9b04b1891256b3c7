#include "gamedata/table_snapshot.h"

#include <algorithm>
#include <limits>

#include "gamedata/error.h"
#include "gamedata/name_text.h"

namespace pricewright {

namespace {
// Names further apart than this are read one by one rather than with all the bytes between them.
constexpr std::int64_t kLongestNameRegion = 4 << 20;

// The bytes from the first name to the end of the last, as a region to read at
// once; names whose address leads nowhere are left to fail in their turn.
RegionSnapshot nameRegion(const GameExecutable& executable, const RegionSnapshot& tables) {
  std::int64_t first = std::numeric_limits<std::int32_t>::max();
  std::int64_t end = 1;
  for (const TableLayout* table : kTables)
    for (ListIndex index = 0; index < table->recordCount; ++index) {
      try {
        const std::int32_t address = tables.readValue(fieldPosition(*table, kNameAddress, index));
        if (address == 0 && table->zeroNameAddressIsPlaceholder) continue;
        const std::int32_t position = namePosition(address);
        if (position < 1) continue;
        first = std::min<std::int64_t>(first, position);
        end = std::max<std::int64_t>(end, std::int64_t{position} + kNameFieldSize);
      } catch (const RuntimeError&) {
        continue;
      }
    }
  if (end <= first || end - first > kLongestNameRegion || end > std::numeric_limits<std::int32_t>::max())
    first = end = 1;
  return {executable, static_cast<std::int32_t>(first), static_cast<std::int32_t>(end)};
}
}  // namespace

TableSnapshot::TableSnapshot(const GameExecutable& executable)
    : tables_(executable, kTablesFirstPosition, kTablesEndPosition), names_(nameRegion(executable, tables_)) {
}

std::int32_t TableSnapshot::readField(const TableLayout& table, const FieldLayout& field,
                                      ListIndex index) const {
  return tables_.readValue(fieldPosition(table, field, index));
}

std::string TableSnapshot::entryText(const TableLayout& table, ListIndex index) const {
  const std::int32_t nameAddress = readField(table, kNameAddress, index);
  if (nameAddress == 0 && table.zeroNameAddressIsPlaceholder) return placeholderEntry(index);
  return nameFieldToText(names_.readNameField(namePosition(nameAddress)));
}

}  // namespace pricewright
