// Writes the fuzzer's seed corpus: synthetic game executables made by the test
// fixture writer in each layout, from a clean file with plausible records to
// broken ones, and small ones whose tables only their shape finds, some with
// decoys, a broken section table or a name that points nowhere.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/game_file_fixture.h"

using namespace pricewright;
using tests::GameFileFixture;

namespace {

void plausibleRecords(GameFileFixture& file) {
  const GameLayout& layout = file.layout();
  for (const Table affixes : {Table::Prefixes, Table::Suffixes})
    for (ListIndex i = 0; i < layout.table(affixes).recordCount; ++i)
      file.setAffix(affixes, i, {i, i * 2 + (i % 3), 100 * i, 150 * i + 10, (i % 7) - 2});
  for (ListIndex i = 0; i < layout.table(Table::BaseItems).recordCount; ++i) file.setBasePrice(i, 10 * i);
  for (ListIndex i = 0; i < layout.table(Table::Spells).recordCount; ++i)
    file.setSpell(i, {i, 3 * i, 50 * i, i + 1});
  file.setLimits({6000, 90000, 15000});
}

// A small Windows program whose tables lie where no layout row puts them, so
// that only their shape finds them: the fuzzer runs such a file many times
// faster than one of a release's size. The names take their slots from
// position 16001 on, the tables follow; `counts` as Diablo's or Hellfire's.
GameFileFixture compactFile(const std::array<std::int16_t, 4>& counts) {
  GameLayout layout = kDiablo109;
  constexpr std::array<std::int32_t, 4> kFirstRecords{30'000, 30'000 + 88 * 48, 40'000, 54'056};
  for (const Table table : kTables)
    layout.tables[indexOf(table)] = {kFirstRecords[indexOf(table)], counts[indexOf(table)]};
  const TableLayout& prefixes = layout.table(Table::Prefixes);
  layout.tables[indexOf(Table::Suffixes)].firstRecord =
      prefixes.firstRecord + (prefixes.recordCount + 1) * shapeOf(Table::Prefixes).recordSize;
  GameFileFixture file(layout, false);
  file.resize(58'000);
  file.makeWindowsProgram();
  file.shapeRecords();
  return file;
}

constexpr std::array<std::int16_t, 4> kDiabloCounts{83, 95, 156, 36};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  std::filesystem::create_directories(corpus);

  const std::vector<std::pair<const char*, std::function<void(GameFileFixture&)>>> seeds{
      {"pattern", [](GameFileFixture&) {}},
      {"plausible", plausibleRecords},
      {"extreme-values",
       [](GameFileFixture& f) {
         plausibleRecords(f);
         f.setAffix(Table::Prefixes, 1, {1, 2, INT32_MIN, INT32_MAX, 0});
         f.setAffix(Table::Suffixes, 2, {2, 4, 200, 310, INT32_MAX});
         f.setBasePrice(3, INT32_MIN);
         f.setLimits({6000, 90000, INT32_MIN});
       }},
      {"nameless-base-items",
       [](GameFileFixture& f) {
         plausibleRecords(f);
         for (ListIndex i = 0; i < f.layout().table(Table::BaseItems).recordCount; i += 4)
           f.setNameAddress(Table::BaseItems, i, 0);
       }},
      {"bad-name-address",
       [](GameFileFixture& f) {
         f.setNameAddress(Table::Spells, 30, static_cast<std::int32_t>(0x80000000u));
       }},
      {"truncated-in-tables", [](GameFileFixture& f) { f.resize(600'000); }},
  };
  for (const GameLayout* layout : kGameLayouts)
    for (const auto& [name, make] : seeds) {
      GameFileFixture file(*layout);
      make(file);
      file.writeTo(corpus / (std::string(name) + "-" + std::string(layout->name)));
    }

  // Files whose tables are found by their shape, and files that break the search and what it relies on.
  const std::vector<std::pair<const char*, std::function<void(GameFileFixture&)>>> found{
      {"found", [](GameFileFixture&) {}},
      {"found-plausible", plausibleRecords},
      {"found-names-elsewhere",
       [](GameFileFixture& f) {
         f.makeWindowsProgram({{".text", 0x1000, 0x400, 0xC00},
                               {".rdata", 0x5000, 0x1000, 0x6000},
                               {".data", 0x20000, 0x7000, 58'000 - 0x7000}});
       }},
      {"found-decoys",
       [](GameFileFixture& f) {
         f.copyRecords(Table::Prefixes, 40, 1'100, true);
         f.copyRecords(Table::BaseItems, 20, 3'200, false);
       }},
      {"found-not-a-windows-program", [](GameFileFixture& f) { f.setBytes(1, "ZM"); }},
      {"found-ambiguous", [](GameFileFixture& f) { f.copyRecords(Table::Spells, 36, 1'100, true); }},
      {"sections-outside-the-file",
       [](GameFileFixture& f) {
         f.makeWindowsProgram({{".text", 0x1000, 0x400, 0xC00}, {".data", 0x3000, 0xE00, 0x7FFF'0000}});
       }},
      {"section-count-too-large", [](GameFileFixture& f) { f.setValue(0x86 + 1, 0x41); }},
      {"name-address-nowhere",
       [](GameFileFixture& f) {
         f.setNameAddress(Table::Prefixes, 3, 0x10);
         f.setNameAddress(Table::Spells, 3, -1);
       }},
  };
  for (const auto& [name, make] : found)
    for (const auto& [game, counts] : {std::pair{"diablo", kDiabloCounts}, {"hellfire", kHellfireCounts}}) {
      GameFileFixture file = compactFile(counts);
      make(file);
      file.writeTo(corpus / (std::string(name) + "-" + game));
    }
  return 0;
}
