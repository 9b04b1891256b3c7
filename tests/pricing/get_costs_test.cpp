#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include "pricing/range_hints.h"
#include "tests/support/described_item.h"
#include "tests/support/press_text.h"

using namespace pricewright;

namespace {
// Presses "Get Costs" for the item the case describes in a file laid out as
// `layout`: what it showed, then what failed; with `everything`, also the
// lists' sizes and entries 3, the picked records' ranges and the game's figures.
std::string answers(const std::string& item, const GameLayout& layout, bool everything) {
  tests::GameFileFixture file(layout);
  const PickedItem picked = tests::describeItem(item, file);
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(file, "game.exe");
  const OpenGame game{GameExecutable(path), {layout}};
  const PressOutcome outcome = press(&game, picked, {});
  std::string text = tests::shownText(outcome);
  if (const auto at = text.find(path); at != std::string::npos) text.replace(at, path.size(), "game.exe");
  if (!everything) return text;
  for (const std::vector<std::string>& entries : GameLoad(path).listEntries())
    text += " | " + std::to_string(entries.size()) + " entries, #3 " + entries.at(3);
  for (const Table table : {Table::Prefixes, Table::Suffixes, Table::Spells})
    if (picked.picked(table)) text += " | range " + rangeText(game.records().range(table, 3));
  if (outcome.breakdown) text += " | " + tests::figuresText(outcome.breakdown->game);
  return text;
}
}  // namespace

// What the player sees follows from the records, never from where a layout keeps them: a 1.09 file answers as
// the same records in 1.07 (but for limits of its own and a cut file, which depend on where 1.07 keeps
// things).
TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailedAlikeForEachLayout) {
  tests::forEachCase("pricing/get_costs.txt", [](const std::string& input, const std::string& expected,
                                                 const std::string& line) {
    EXPECT_EQ(answers(input, kDiablo107, false), expected) << line;
    if (input.find("limits") == std::string::npos && input.find("cut") == std::string::npos) {
      EXPECT_EQ(answers(input, kDiablo109, true), answers(input, kDiablo107, true)) << line;
    }
  });
}
