#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/error.h"
#include "gamedata/game_executable.h"
#include "gamedata/game_records.h"
#include "gamedata/game_version.h"
#include "gamedata/region_snapshot.h"
#include "platform/md5_digest.h"

namespace pricewright {

// The open game file and what it is: the one value the session holds while a
// file is open. Its records are read from the file afresh on every use.
struct OpenGame {
  GameExecutable file;
  GameVersion version;

  GameRecords records() const { return {file, version.layout}; }
};

// Each list's entries, one per record, in the order of kTables.
using ListEntries = std::array<std::vector<std::string>, 4>;

// A game file being opened: what it is, then its tables and the names they
// point to, each region read at once: a few reads of the file in place of
// hundreds, of no more than the file holds. Its list entries and tables are
// read from those bytes; a read beyond them asks the file, so it fails as it
// would without them.
class GameLoad {
public:
  // Opens `path` and tells what it is; raises a RuntimeError when the file
  // cannot be opened or is a release that Pricewright cannot read.
  explicit GameLoad(const std::string& path, const DigestOf& digestOf = md5Text);
  GameLoad(const GameLoad&) = delete;
  GameLoad& operator=(const GameLoad&) = delete;

  const GameExecutable& file() const { return file_; }
  const GameVersion& version() const { return version_; }
  GameRecords records() const { return {names_, version_.layout}; }

  // Every record's entry. A failed read raises a RuntimeError naming the table and record.
  ListEntries listEntries() const;
  // The error of `doing` ("Loading") stopped at record `index` of `table` by
  // `error`; for tables only their shape found, it adds what Pricewright reads.
  RuntimeError stoppedAt(std::string_view doing, Table table, ListIndex index,
                         const RuntimeError& error) const;

  // The file, kept open; the load is spent.
  OpenGame open() &&;

private:
  GameExecutable file_;
  GameVersion version_;
  RegionSnapshot tables_;
  RegionSnapshot names_;  // reads outside the names ask the tables' region
};

}  // namespace pricewright
