// Writes the fuzzer's seed corpus: synthetic game executables made by the test
// fixture writer, from a clean file with plausible records to broken ones.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gamedata/game_file_layout.h"
#include "tests/support/game_file_fixture.h"

using namespace pricewright;
using tests::GameFileFixture;

namespace {

void plausibleRecords(GameFileFixture& file) {
  for (const TableLayout* affixes : {&kPrefixTable, &kSuffixTable}) {
    for (ListIndex i = 0; i < affixes->recordCount; ++i) {
      file.setField(*affixes, kEffectMin, i, i);
      file.setField(*affixes, kEffectMax, i, i * 2 + (i % 3));
      file.setField(*affixes, kCostMin, i, 100 * i);
      file.setField(*affixes, kCostMax, i, 150 * i + 10);
      file.setField(*affixes, kPriceMultiplier, i, (i % 7) - 2);
    }
  }
  for (ListIndex i = 0; i < kBaseItemTable.recordCount; ++i)
    file.setField(kBaseItemTable, kBasePrice, i, 10 * i);
  for (ListIndex i = 0; i < kSpellTable.recordCount; ++i) {
    file.setField(kSpellTable, kChargesMin, i, i);
    file.setField(kSpellTable, kChargesMax, i, 3 * i);
    file.setField(kSpellTable, kChargeValue, i, 50 * i);
  }
  file.setLimit(kGriswoldLimit, 6000);
  file.setLimit(kWirtLimit, 90000);
  file.setLimit(kAdriaLimit, 15000);
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
         f.setField(kPrefixTable, kCostMax, 1, INT32_MAX);
         f.setField(kPrefixTable, kCostMin, 1, INT32_MIN);
         f.setField(kSuffixTable, kPriceMultiplier, 2, INT32_MAX);
         f.setField(kBaseItemTable, kBasePrice, 3, INT32_MIN);
         f.setLimit(kAdriaLimit, INT32_MIN);
       }},
      {"nameless-base-items",
       [](GameFileFixture& f) {
         plausibleRecords(f);
         for (ListIndex i = 0; i < kBaseItemTable.recordCount; i += 4)
           f.setField(kBaseItemTable, kNameAddress, i, 0);
       }},
      {"bad-name-address",
       [](GameFileFixture& f) {
         f.setField(kSpellTable, kNameAddress, 30, static_cast<std::int32_t>(0x80000000u));
       }},
      {"truncated-in-tables", [](GameFileFixture& f) { f.resize(600'000); }},
  };
  for (const auto& [name, make] : seeds) {
    GameFileFixture file;
    make(file);
    file.writeTo(corpus / name);
  }
  return 0;
}
