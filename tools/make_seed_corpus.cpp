// Writes the fuzzer's seed corpus: synthetic game executables made by the test
// fixture writer in each layout, from a clean file with plausible records to broken ones.
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
    file.setSpell(i, {i, 3 * i, 50 * i});
  file.setLimits({6000, 90000, 15000});
}

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
  return 0;
}
