#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include "tests/support/described_item.h"
#include "tests/support/press_text.h"

using namespace pricewright;

namespace {
// Presses "Get Costs" for the item the case describes in a 1.07 file: what it showed, then what failed.
std::string answers(const std::string& item) {
  tests::GameFileFixture file;
  const PickedItem picked = tests::describeItem(item, file);
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(file, "game.exe");
  const OpenGame game{GameExecutable(path), {kDiablo107}};
  std::string text = tests::shownText(press(&game, picked, {}));
  if (const auto at = text.find(path); at != std::string::npos) text.replace(at, path.size(), "game.exe");
  return text;
}
}  // namespace

TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailed) {
  tests::forEachCase("pricing/get_costs.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(answers(input), expected) << line;
                     });
}
