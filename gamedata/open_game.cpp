#include "gamedata/open_game.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "gamedata/releases.h"

namespace pricewright {

namespace {
// Names further apart than this are read one by one rather than with all the bytes between them.
constexpr std::int64_t kLongestNameRegion = 4 << 20;

// The bytes from the first table's first record to the last table's end.
RegionSnapshot tablesRegion(const ByteSource& file, const GameLayout& layout) {
  std::int64_t first = std::numeric_limits<std::int32_t>::max();
  std::int64_t end = 1;
  for (const Table table : kTables) {
    const TableLayout& at = layout.table(table);
    first = std::min<std::int64_t>(first, at.firstRecord + 1);
    end = std::max<std::int64_t>(end, at.firstRecord + 1 +
                                          std::int64_t{shapeOf(table).recordSize} * at.recordCount);
  }
  return {file, static_cast<std::int32_t>(first), static_cast<std::int32_t>(end)};
}

// The bytes from the first name to the end of the last, as far as the file
// holds them. Only the names the tables' region points to count; any other
// read is left to fail in its turn, and nothing fails here.
RegionSnapshot namesRegion(const RegionSnapshot& tables, const GameLayout& layout) {
  std::int64_t first = std::numeric_limits<std::int32_t>::max();
  std::int64_t end = 1;
  for (const Table table : kTables) {
    for (ListIndex index = 0; index < layout.table(table).recordCount; ++index) {
      const std::optional<std::int32_t> address =
          tables.heldValue(fieldPosition(layout, table, shapeOf(table).nameAddress, index));
      if (!address) continue;
      // Nameless base items (NameAddress 0), names before the file and names in no section point nowhere.
      const std::optional<std::int64_t> offset = layout.addresses.offsetOf(*address);
      if (!offset || *offset < 0) continue;
      const std::int64_t position = *offset + 1;
      first = std::min(first, position);
      end = std::max(end, position + kNameFieldSize);
    }
  }
  if (end <= first || end - first > kLongestNameRegion || end > std::numeric_limits<std::int32_t>::max())
    first = end = 1;
  return {tables, static_cast<std::int32_t>(first), static_cast<std::int32_t>(end)};
}
}  // namespace

GameLoad::GameLoad(const std::string& path, const DigestOf& digestOf)
    : file_(path), version_(recognise(file_, digestOf)), tables_(tablesRegion(file_, version_.layout)),
      names_(namesRegion(tables_, version_.layout)) {}

ListEntries GameLoad::listEntries() const {
  ListEntries entries;
  const GameRecords game = records();
  for (const Table table : kTables)
    for (ListIndex index = 0; index < version_.layout.table(table).recordCount; ++index) {
      try {
        entries[indexOf(table)].push_back(game.entryText(table, index));
      } catch (const RuntimeError& error) {
        throw stoppedAt("Loading", table, index, error);
      }
    }
  return entries;
}

RuntimeError GameLoad::stoppedAt(std::string_view doing, Table table, ListIndex index,
                                 const RuntimeError& error) const {
  const RuntimeError stopped(error.number(), std::string(doing) + " \"" + file_.path() + "\" stopped at " +
                                                 std::string(shapeOf(table).name) + " record " +
                                                 std::to_string(index) + ". " + error.whatFailed());
  return version_.recognised == Recognised::ByShape ? stopped.withSentence(kWhatPricewrightReads) : stopped;
}

OpenGame GameLoad::open() && { return {std::move(file_), version_}; }

}  // namespace pricewright
