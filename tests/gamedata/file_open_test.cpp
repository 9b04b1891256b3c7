#include "gamedata/file_open.h"

#include <gmock/gmock.h>

#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tests::GameFileFixture;

namespace {
const std::string kDialog = "dialog Open a Diablo executable for item pricing... Executable Files (*.exe)";
const std::string kOpening =
    kDialog + " | clear cboPrefix | clear cboSuffix | clear cboBase | clear cboSpell";

class FileOpenTest : public ::testing::Test {
protected:
  std::string pick(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    return *window.dialogAnswers.emplace_back(directory.write(file, name));
  }
  std::string open() {
    return window.after([&] { fileOpen(executable, window); });
  }
  std::vector<std::string>& list(ListBox which) { return window.entries[std::string(which.name)]; }
  std::vector<std::size_t> sizes() {
    return {list(cboPrefix).size(), list(cboSuffix).size(), list(cboBase).size(), list(cboSpell).size()};
  }

  tests::TemporaryDirectory directory;
  GameFileFixture fixture;
  tests::RecordingWindow window;
  OpenExecutable executable;
};
}  // namespace

TEST_F(FileOpenTest, FillsEachListWithAnEntryPerRecordInOrderWhereverItsNameLies) {
  for (const ListIndex nameless : std::initializer_list<ListIndex>{0, 12, 155})
    fixture.setField(kBaseItemTable, kNameAddress, nameless, 0);
  fixture.setName(kPrefixTable, 3, "Tin", 506505);  // in the gap between the prefix and suffix tables
  fixture.setName(kSuffixTable, 7, std::string(30, 'W'), 5000);
  fixture.setName(kSpellTable, 1, "", 5100);
  fixture.setName(kSpellTable, 35, "Last", kTablesEndPosition - 3);        // across the end of the tables
  fixture.setName(kBaseItemTable, 9, "\x80\x8A\xE9\xA0\x81 Sword", 5200);  // Windows-1252
  const std::string path = pick(fixture);
  EXPECT_EQ(open(), kOpening);
  EXPECT_EQ(executable->path(), path);
  EXPECT_THAT(sizes(), ElementsAre(83, 95, 156, 36));
  EXPECT_THAT((std::vector{list(cboPrefix)[3], list(cboPrefix)[82], list(cboSuffix)[7], list(cboSuffix)[94],
                           list(cboBase)[0], list(cboBase)[9], list(cboBase)[12], list(cboBase)[13],
                           list(cboBase)[155], list(cboSpell)[0], list(cboSpell)[1], list(cboSpell)[35]}),
              ElementsAre("Tin", "Prefix 82", std::string(30, 'W'), "Suffix 94", " 0-None",
                          "\u20AC\u0160\u00E9\u00A0\u0081 Sword", " 12-None", "Base 13", " 155-None",
                          "Spell 0", "", "Last"));
}

TEST_F(FileOpenTest, ACancelChangesNothingBeforeAPickAndReloadsThePickedFileAfterIt) {
  window.type(txtPreEff, "25");
  EXPECT_EQ(open(), kDialog);
  EXPECT_FALSE(executable.has_value());
  pick(fixture);
  open();
  window.select(cboPrefix, 4);
  fixture.setName(kPrefixTable, 0, "Rebuilt", 5000);
  directory.write(fixture);
  EXPECT_EQ(open(), kOpening);
  EXPECT_EQ(list(cboPrefix)[0], "Rebuilt");
  EXPECT_TRUE(window.selection.empty());
  EXPECT_EQ(window.text(txtPreEff), "25");
  fixture.setName(kSpellTable, 35, "Second", 5000);
  pick(fixture, "second.exe");
  open();
  EXPECT_EQ(list(cboSpell)[35], "Second");
}

TEST_F(FileOpenTest, AFileThatFailsLeavesNoFileOpenAndNoEntriesBehind) {
  const std::tuple<void (*)(GameFileFixture&), const char*, const char*> broken[] = {
      {[](GameFileFixture& f) { f.setField(kPrefixTable, kNameAddress, 5, 0); }, "Bad record number (63)",
       "prefix record 5"},
      {[](GameFileFixture& f) { f.setField(kSuffixTable, kNameAddress, 94, 0); }, "Bad record number (63)",
       "suffix record 94"},
      {[](GameFileFixture& f) { f.setField(kSpellTable, kNameAddress, 7, 0); }, "Bad record number (63)",
       "spell record 7"},
      {[](GameFileFixture& f) { f.setField(kSuffixTable, kNameAddress, 3, INT32_MIN); }, "Overflow (6)",
       "suffix record 3"},
      {[](GameFileFixture& f) { f.setField(kBaseItemTable, kNameAddress, 1, INT32_MAX); },
       "Input past end of file (62)", "base item record 1"},
      {[](GameFileFixture& f) { f.setName(kSpellTable, 0, "", 679'991); }, "Input past end of file (62)",
       "spell record 0"},
      {[](GameFileFixture& f) { f.resize(590'000); }, "Input past end of file (62)", "base item record 96"},
      {[](GameFileFixture& f) { f.resize(0); }, "Input past end of file (62)", "prefix record 0"}};
  for (const auto& [breakIt, error, where] : broken) {
    pick(fixture);
    open();  // full lists, so that empty ones show the failure cleared them
    GameFileFixture file;
    breakIt(file);
    const std::string path = pick(file, "broken.exe");
    EXPECT_THAT(open(), HasSubstr("cboSpell | " + std::string(error) + ": Loading \"" + path +
                                  "\" stopped at " + where + ". "));
    EXPECT_FALSE(executable.has_value());
    EXPECT_THAT(sizes(), ElementsAre(0, 0, 0, 0));
  }
  pick(fixture, "gone.exe");
  open();
  std::filesystem::remove(directory.file("gone.exe"));
  EXPECT_THAT(open(), HasSubstr("clear cboSpell | File not found (53)"));  // a cancel reloads the pick, gone
  EXPECT_THAT(sizes(), ElementsAre(0, 0, 0, 0));
}
