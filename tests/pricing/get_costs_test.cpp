#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include "tests/support/described_item.h"

using namespace pricewright;

namespace {
// Presses "Get Costs" for the item the case describes and returns what it
// showed, then what failed.
std::string press(const std::string& item) {
  tests::GameFileFixture file;
  tests::RecordingWindow window;
  tests::describeItem(item, file, window);
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(file, "game.exe");
  std::string shown = window.after([&] { getCosts(GameExecutable(path), window); });
  if (const auto at = shown.find(path); at != std::string::npos) shown.replace(at, path.size(), "game.exe");
  return shown;
}
}  // namespace

TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailed) {
  tests::forEachCase("pricing/get_costs.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(press(input), expected) << line;
                     });
}
