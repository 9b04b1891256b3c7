#include "shell/window_operations.h"

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
    return window.after([&] { fileOpen(game, window); });
  }
  std::vector<std::string>& list(ListBox which) { return window.entries[std::string(which.name)]; }
  std::vector<std::size_t> sizes() {
    return {list(cboPrefix).size(), list(cboSuffix).size(), list(cboBase).size(), list(cboSpell).size()};
  }

  tests::TemporaryDirectory directory;
  GameFileFixture fixture;
  tests::RecordingWindow window;
  std::optional<OpenGame> game;
};
}  // namespace

TEST_F(FileOpenTest, FillsEachListWithAnEntryPerRecordInOrderWhereverItsNameLies) {
  for (const ListIndex nameless : std::initializer_list<ListIndex>{0, 12, 155})
    fixture.setNameAddress(Table::BaseItems, nameless, 0);
  fixture.setName(Table::Prefixes, 3, "Tin", 506505);  // in the gap between the prefix and suffix tables
  fixture.setName(Table::Suffixes, 7, std::string(30, 'W'), 5000);
  fixture.setName(Table::Spells, 1, "", 5100);
  fixture.setName(Table::Spells, 35, "Last", 662125 - 3);  // across the end of the tables
  fixture.setName(Table::BaseItems, 9, "\x80\x8A\xE9\xA0\x81\x7F Sword", 5200);  // Windows-1252
  const std::string path = pick(fixture);
  EXPECT_EQ(open(), kOpening);
  EXPECT_EQ(game->file.path(), path);
  EXPECT_THAT(sizes(), ElementsAre(83, 95, 156, 36));
  EXPECT_THAT((std::vector{list(cboPrefix)[3], list(cboPrefix)[82], list(cboSuffix)[7], list(cboSuffix)[94],
                           list(cboBase)[0], list(cboBase)[9], list(cboBase)[12], list(cboBase)[13],
                           list(cboBase)[155], list(cboSpell)[0], list(cboSpell)[1], list(cboSpell)[35]}),
              ElementsAre("Tin", "Prefix 82", std::string(30, 'W'), "Suffix 94", " 0-None",
                          "\u20AC\u0160\u00E9\u00A0\u0081\x7F Sword", " 12-None", "Base 13", " 155-None",
                          "Spell 0", "", "Last"));
}

TEST_F(FileOpenTest, ACancelReloadsThePickedFileAndAFailureLeavesNothingBehind) {
  window.type(txtPreEff, "25");
  EXPECT_EQ(open(), kDialog);
  EXPECT_FALSE(game.has_value());
  pick(fixture);
  open();
  window.select(cboPrefix, 4);
  fixture.setName(Table::Prefixes, 0, "Rebuilt", 5000);
  directory.write(fixture);
  EXPECT_EQ(open(), kOpening);
  EXPECT_EQ(list(cboPrefix)[0], "Rebuilt");
  EXPECT_TRUE(window.selection.empty());
  EXPECT_EQ(window.text(txtPreEff), "25");
  fixture.setName(Table::Spells, 35, "Second", 5000);
  pick(fixture, "second.exe");
  open();
  EXPECT_EQ(list(cboSpell)[35], "Second");
  // A file that fails leaves no file open and no entries behind; what it says is in gamedata/game_files.txt.
  fixture.setNameAddress(Table::Spells, 7, 0);
  pick(fixture, "broken.exe");
  EXPECT_THAT(open(), HasSubstr("clear cboSpell | Bad record number (63): Loading"));
  EXPECT_FALSE(game.has_value());
  EXPECT_THAT(sizes(), ElementsAre(0, 0, 0, 0));
}

// Record 4 of each list, read from a good file, from no file and from one cut
// before the tables.
TEST(ListPicked, ShowsThePickedRecordsRangeOrNothingAndFailsBeforeWriting) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
  file.setAffix(Table::Prefixes, 4, {21, 30, 0, 0, 0});
  file.setAffix(Table::Suffixes, 4, {-10, -5, 0, 0, 0});
  file.setSpell(4, {0, 3, 0});
  const auto opened = [&](const std::string& name) {
    return std::optional<OpenGame>{OpenGame{GameExecutable(directory.write(file, name)), {kDiablo107}}};
  };
  const std::optional<OpenGame> good = opened("good.exe");
  file.resize(500'000);
  const std::optional<OpenGame> cut = opened("cut.exe");
  tests::RecordingWindow window;
  const auto pick = [&](ListBox list, ListIndex index, const std::optional<OpenGame>& from) {
    window.select(list, index);
    return window.after([&] { listPicked(list, from, window); }).substr(0, 42);
  };
  for (const auto& [list, shown, box, low] :
       {std::tuple{cboPrefix, "txtPreEff= 21- 30", "txtPreEff=", "EffectMin"},
        {cboSuffix, "txtSufEff=-10--5", "txtSufEff=", "EffectMin"},
        {cboSpell, "txtCharge= 0- 3", "txtCharge=", "ChargesMin"}}) {
    EXPECT_EQ(pick(list, 4, good) + pick(list, kNoSelection, good) + pick(list, 4, std::nullopt),
              shown + std::string(box) + box);
    EXPECT_EQ(pick(list, 4, cut), ("Input past end of file (62): Reading " + std::string(low)).substr(0, 42));
  }
  EXPECT_EQ(pick(cboBase, 4, good) + pick(cboBase, 4, cut), "");
}

TEST(PlainItemChosen, ClearsEachChoiceBeforeItsBoxThenThePricesAndKeepsTheBaseItem) {
  tests::RecordingWindow window;
  window.select(cboBase, 12);
  EXPECT_EQ(
      window.after([&] { plainItemChosen(window); }),
      "cboPrefix=-1 | txtPreEff= | cboSuffix=-1 | txtSufEff= | cboSpell=-1 | txtCharge= | txtCostGris= | "
      "txtCostWirt= | txtCostAdria=");
  EXPECT_EQ(window.selectedIndex(cboBase), 12);
}
