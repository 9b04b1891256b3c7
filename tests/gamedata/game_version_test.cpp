#include "gamedata/game_version.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gamedata/open_game.h"
#include "tests/support/case_table.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/outcome.h"

using namespace pricewright;

namespace {
// The MD5 of `release`'s file, as the releases list it.
std::string md5Of(std::string_view release) {
  const auto found = std::ranges::find(releases(), release, &Release::name);
  return found == releases().end() ? "" : std::string(found->md5);
}

// The layout the case's file is written in: 1.07's, 1.09's or Hellfire's, with its tables counted and moved
// as it says.
GameLayout layoutOf(const std::vector<tests::Clause>& clauses, const auto& has) {
  GameLayout layout = has("hellfire") ? tests::hellfireLayout() : has("1.09") ? kDiablo109 : kDiablo107;
  for (const tests::Clause& c : clauses) {
    if (c.word == "count" || c.word == "at") {
      TableLayout& table = layout.tables[indexOf(tests::tableNamed(c.text))];
      if (c.word == "count") table.recordCount = static_cast<ListIndex>(c.whole(0));
      if (c.word == "at") table.firstRecord = c.whole(0);
    }
  }
  return layout;
}

// Writes the file the case describes and opens it with its MD5 faked as the case says.
std::string opened(const std::string& file) {
  const std::vector<tests::Clause> clauses = tests::clauses(file);
  const auto has = [&](std::string_view word) {
    return std::ranges::find(clauses, word, &tests::Clause::word) != clauses.end();
  };
  tests::GameFileFixture fixture(layoutOf(clauses, has), !has("bare") && !has("hellfire"));
  if (has("md5") || has("program") || has("windows")) fixture.makeWindowsProgram();
  // The names in a read-only section, the tables in a data section, neither loaded where the releases' are.
  if (has("sections"))
    fixture.makeWindowsProgram({{".text", 0x1000, 0x400, 0xC00},
                                {".rdata", 0x5000, 0x1000, 0x1F000},
                                {".data", 0x40000, 0x20000, 680'000 - 0x20000}});
  if (has("renamed"))
    fixture.nameEveryRecord([](Table table, ListIndex index) {
      return std::string(1, static_cast<char>(0xC6)) + "l" + std::to_string(index * 7 + int(indexOf(table)));
    });
  if (has("shaped")) fixture.shapeRecords();
  std::string release;
  for (const tests::Clause& c : clauses) {
    const auto size = static_cast<std::size_t>(c.numbers.empty() ? 0 : c.whole(0));
    if (c.word == "address")
      fixture.setNameAddress(tests::tableNamed(c.text), static_cast<ListIndex>(c.whole(0)), c.whole(1));
    if (c.word == "copy" || c.word == "lookalike")
      fixture.copyRecords(tests::tableNamed(c.text), static_cast<ListIndex>(c.whole(0)), c.whole(1),
                          c.word == "copy");
    if (c.word == "text") fixture.setBytes(c.whole(0) + 1, c.text);
    if (c.word == "value") fixture.setValue(c.whole(0), c.whole(1));
    if (c.word == "cut" || c.word == "program" || c.word == "grow") fixture.resize(size);
    if (c.word == "zeros") fixture.resize(0), fixture.resize(size, '\0');
    if (c.word == "md5") release = c.text;
  }
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(fixture);
  std::string shown;
  try {
    const GameLoad load(path, [&](std::string_view) { return md5Of(release); });
    const GameVersion& version = load.version();
    const std::optional<bool> modified = version.modified();
    shown = std::string(version.layout.name);
    if (version.tablesFound())
      for (const TableLayout& table : version.layout.tables) shown += " " + std::to_string(table.firstRecord);
    shown += " | " + (version.release ? std::string(version.release->name) : "-") + " | " +
             (modified ? *modified ? "modified" : "unmodified" : "unknown") + " | " + version.described() +
             " |";
    const ListEntries entries = load.listEntries();
    for (const auto& list : entries) shown += " " + std::to_string(list.size());
    if (has("names"))
      for (const auto& list : entries) shown += (&list == entries.data() ? " " : "/") + list.front();
  } catch (const RuntimeError& error) {
    shown = error.what();  // as the Error box shows it
  }
  for (std::size_t at; (at = shown.find(path)) != std::string::npos;) shown.replace(at, path.size(), "FILE");
  return shown;
}
}  // namespace

TEST(GameVersion, TellsEachFileByItsMd5VersionTextOrTablesAndSaysWhatAWrongFileIs) {
  tests::forEachCase("gamedata/game_files.txt",
                     [](const std::string& file, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(opened(file), expected) << line;
                     });
}

// The system's MD5, which names the releases, against RFC 1321's own examples.
TEST(GameVersion, HashesWithTheSystemsMd5) {
  EXPECT_EQ(md5Text(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(md5Text("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
}
