#include "shell/details_text.h"

#include <algorithm>

#include "shell/details_window_layout.h"
#include "shell/session.h"
#include "tests/support/described_item.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

namespace {
// The Details window's texts after opening a file and pressing "Get Costs"
// for the item the case describes ("nothing pressed": before any press), a
// label at a time, lines separated by '/'. The file is DIABLO.EXE in 1.07's
// layout, in 1.09's after "1.09;", or HELLFIRE.EXE, whose tables only their
// shape finds, after "hellfire;".
std::string details(const std::string& item) {
  tests::TemporaryDirectory directory;  // outlives the session, which keeps the file open
  const bool hellfire = item.starts_with("hellfire;");
  tests::GameFileFixture file(hellfire                    ? tests::hellfireLayout()
                              : item.starts_with("1.09;") ? kDiablo109
                                                          : kDiablo107,
                              !hellfire);
  if (hellfire) file.shapeRecords();
  tests::RecordingWindow window;
  Session session(window);
  const PickedItem picked = tests::describeItem(item, file);
  window.dialogAnswers.emplace_back(directory.write(file, hellfire ? "HELLFIRE.EXE" : "DIABLO.EXE"));
  session.open();
  for (const tests::Clause& clause : tests::clauses(item))
    if (clause.word == "levels") {
      session.shopChoicePicked(cboCharacterLevel, clause.whole(0) - 1);
      session.shopChoicePicked(cboDungeonLevel, clause.whole(1) - 1);
      session.shopChoicePicked(chkMultiplayer, clause.text == "multi" ? 1 : 0);
    }
  if (!item.ends_with("nothing pressed")) {
    window.describe(picked);
    session.getCostsPressed();
  }
  std::string shown;
  for (const LabelText& label : session.details()) {
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
