#include "shell/details_text.h"

#include <algorithm>

#include "shell/session.h"
#include "tests/support/described_item.h"

using namespace pricewright;

namespace {
// The Details window's texts after pressing "Get Costs" for the item the case
// describes ("nothing pressed": before any press), a label at a time, lines
// separated by '/'.
std::string details(const std::string& item) {
  tests::TemporaryDirectory directory;  // outlives the session, which keeps the file open
  tests::GameFileFixture file;
  tests::RecordingWindow window;
  Session session(window);
  if (item != "nothing pressed") {
    tests::describeItem(item, file, window);
    window.dialogAnswers.emplace_back(directory.write(file));
    const auto selection = window.selection;  // a load clears the lists' selections
    session.open();
    // cppcheck-suppress unreadVariable ; the session reads it through the window
    window.selection = selection;
    session.getCostsPressed();
  }
  std::string shown;
  for (const LabelText& label : detailsText(session.lastPress())) {
    std::string text = label.text;
    std::ranges::replace(text, '\n', '/');
    shown += (shown.empty() ? "" : " | ") + std::string(label.label) + ": " + text;
  }
  return shown;
}
}  // namespace

TEST(DetailsText, ExplainsEachPressByTheBoxesAndByTheGame) {
  tests::forEachCase("shell/details_text.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(details(input), expected) << line;
                     });
}
