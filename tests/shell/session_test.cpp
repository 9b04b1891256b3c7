#include "shell/session.h"

#include <gmock/gmock.h>

#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Every event runs its operation; a run-time error ends in one "Error" box,
// and the session goes on with the next event.
TEST(Session, RunsEachEventsOperationAndShowsItsErrorInAnErrorBox) {
  tests::TemporaryDirectory directory;
  tests::RecordingWindow window;
  Session session(window);
  EXPECT_EQ(window.after([&] { session.getCostsPressed(); }), "Error!: File Not Loaded!!");
  session.open();  // cancelled before any file was picked: nothing opens, and nothing joins the recent files
  EXPECT_TRUE(session.recentFiles().paths().empty());
  window.dialogAnswers.emplace_back(directory.write(tests::exampleFile()));
  session.open();
  window.select(cboPrefix, 5);
  window.type(txtPreEff, "2x5");
  EXPECT_EQ(window.after([&] { session.getCostsPressed(); }),
            "Error!: Run-time error '13': Type mismatch. The prefix's Effect Value \"2x5\" is not a number.");
  // Moved rather than deleted: Wine and Windows before 10 keep a deleted open
  // file's name until it is closed, while a move frees it at once everywhere.
  std::filesystem::rename(directory.file("DIABLO.EXE"), directory.file("moved.exe"));
  EXPECT_THAT(window.after([&] { session.picked(cboPrefix); }), StartsWith("Error!: Run-time error '53': "));
  window.dialogAnswers.emplace_back(directory.file("").string());
  EXPECT_THAT(window.after([&] { session.open(); }), HasSubstr("cboSpell | Error!: Run-time error '75': "));
  EXPECT_FALSE(session.lastPress().pressed);  // the press belonged to the file before
  EXPECT_EQ(window.after([&] { session.getCostsPressed(); }), "Error!: File Not Loaded!!");
  // A file named at start opens as File > Open would, and joins the recent files.
  const std::string named = directory.write(tests::exampleFile(), "named.exe");
  session.openAtStart(named);
  EXPECT_EQ(gameFileLine(session.game()) + " | " + session.recentFiles().paths().front(),
            "named.exe: Diablo 1.07, modified | " + named);
  EXPECT_FALSE(session.lastPress().pressed);
}
