#include "gamedata/file_open.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "gamedata/error.h"
#include "gamedata/layout.h"
#include "tests/support/error_of.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"
#include "tests/support/test_name.h"

namespace pricewright {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using testing::GameFileFixture;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::RecordingWindow;
using ::testing::SizeIs;
using testing::TemporaryDirectory;

constexpr const char* kDialogCall =
    R"(showFileOpenDialog "Open a Diablo executable for item pricing..." "Executable Files " "*.exe")";

class FileOpenTest : public ::testing::Test {
protected:
  std::string write(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    std::string path = directory.file(name).string();
    file.writeTo(path);
    return path;
  }
  void pick(const std::string& path) { window.dialogAnswers.emplace_back(path); }
  void cancel() { window.dialogAnswers.emplace_back(std::nullopt); }

  RuntimeError failedOpen() {
    return testing::errorOf([&] { fileOpen(executable, window); });
  }

  void expectCleanFailure() {
    EXPECT_FALSE(executable.has_value());
    for (const auto& list : window.entries) EXPECT_THAT(list, IsEmpty());
  }

  TemporaryDirectory directory;
  GameFileFixture fixture;
  RecordingWindow window;
  OpenExecutable executable;
};

TEST_F(FileOpenTest, LoadFillsEveryListWithOneEntryPerRecordInOrder) {
  const std::string path = write(fixture);
  pick(path);
  fileOpen(executable, window);

  ASSERT_TRUE(executable.has_value());
  EXPECT_EQ(executable->path(), path);
  EXPECT_THAT(window.list(ListBox::cboPrefix), SizeIs(83));
  EXPECT_THAT(window.list(ListBox::cboSuffix), SizeIs(95));
  EXPECT_THAT(window.list(ListBox::cboBase), SizeIs(156));
  EXPECT_THAT(window.list(ListBox::cboSpell), SizeIs(36));
  EXPECT_EQ(window.list(ListBox::cboPrefix)[82], "Prefix 82");
  EXPECT_EQ(window.list(ListBox::cboSuffix)[0], "Suffix 0");
  EXPECT_EQ(window.list(ListBox::cboBase)[155], "Base 155");
  EXPECT_EQ(window.list(ListBox::cboSpell)[35], "Spell 35");

  const std::vector<std::string> writes = window.writes();
  ASSERT_THAT(writes, SizeIs(1 + 4 + 83 + 95 + 156 + 36));
  EXPECT_THAT(std::vector(writes.begin(), writes.begin() + 6),
              ElementsAre(kDialogCall, "clearList cboPrefix", "clearList cboSuffix", "clearList cboBase",
                          "clearList cboSpell", R"(appendEntry cboPrefix "Prefix 0")"));
  // Tables are filled one after the other, never interleaved.
  EXPECT_EQ(writes[5 + 83], R"(appendEntry cboSuffix "Suffix 0")");
  EXPECT_EQ(writes[5 + 83 + 95], R"(appendEntry cboBase "Base 0")");
  EXPECT_EQ(writes.back(), R"(appendEntry cboSpell "Spell 35")");
  for (ListIndex selected : window.selection) EXPECT_EQ(selected, kNoSelection);
}

TEST_F(FileOpenTest, EveryRecordKeepsItsIndexWhateverItsName) {
  for (const ListIndex index : std::initializer_list<ListIndex>{0, 12, 155})
    fixture.setField(kBaseItemTable, kNameAddress, index, 0);
  fixture.setName(kPrefixTable, 3, "Tin");
  fixture.setName(kSuffixTable, 7, std::string(30, 'W'));
  fixture.setName(kSpellTable, 1, "");
  fixture.setName(kBaseItemTable, 9, "Short Sword\xE9");
  pick(write(fixture));
  fileOpen(executable, window);

  EXPECT_EQ(window.list(ListBox::cboPrefix)[3], "Tin");
  EXPECT_EQ(window.list(ListBox::cboSuffix)[7], std::string(30, 'W'));
  EXPECT_EQ(window.list(ListBox::cboSpell)[1], "");
  EXPECT_EQ(window.list(ListBox::cboSpell)[2], "Spell 2");
  EXPECT_EQ(window.list(ListBox::cboBase)[9], "Short Sword\u00E9");
  // A base item without a name address is listed under a placeholder; no name is read for it.
  const auto& base = window.list(ListBox::cboBase);
  ASSERT_THAT(base, SizeIs(156));
  EXPECT_EQ(base[0], " 0-None");
  EXPECT_EQ(base[12], " 12-None");
  EXPECT_EQ(base[13], "Base 13");
  EXPECT_EQ(base[155], " 155-None");
}

TEST_F(FileOpenTest, FirstCancelChangesNothing) {
  window.box(TextBox::txtPreEff) = "25";
  cancel();
  fileOpen(executable, window);

  EXPECT_FALSE(executable.has_value());
  EXPECT_THAT(window.writes(), ElementsAre(kDialogCall));
  EXPECT_EQ(window.box(TextBox::txtPreEff), "25");
}

TEST_F(FileOpenTest, CancelAfterAPickReloadsThatFileLosingSelectionsNotTexts) {
  pick(write(fixture));
  fileOpen(executable, window);
  window.selected(ListBox::cboPrefix) = 4;
  window.selected(ListBox::cboBase) = 7;
  window.box(TextBox::txtCostGris) = "1234";
  window.chkBase = 1;
  const auto before = window.entries;

  cancel();
  fileOpen(executable, window);

  ASSERT_TRUE(executable.has_value());
  EXPECT_EQ(window.entries, before);
  for (ListIndex selected : window.selection) EXPECT_EQ(selected, kNoSelection);
  EXPECT_EQ(window.box(TextBox::txtCostGris), "1234");
  EXPECT_EQ(window.chkBase, 1);
}

TEST_F(FileOpenTest, SecondPickRebuildsEveryListFromTheNewFile) {
  pick(write(fixture, "first.exe"));
  fileOpen(executable, window);
  GameFileFixture second;
  second.setName(kPrefixTable, 0, "Second file");
  second.setName(kSpellTable, 35, "Last spell");
  const std::string secondPath = write(second, "second.exe");
  pick(secondPath);
  fileOpen(executable, window);

  EXPECT_EQ(executable->path(), secondPath);
  EXPECT_EQ(window.list(ListBox::cboPrefix)[0], "Second file");
  EXPECT_EQ(window.list(ListBox::cboSpell)[35], "Last spell");
  EXPECT_THAT(window.list(ListBox::cboPrefix), SizeIs(83));
}

struct BrokenFileCase {
  const char* what;
  void (*breakIt)(GameFileFixture&);
  ErrorNumber number;
  const char* mentions;
  friend void PrintTo(const BrokenFileCase& c, std::ostream* os) { *os << c.what; }
};

class BrokenFileTest : public FileOpenTest, public ::testing::WithParamInterface<BrokenFileCase> {};

TEST_P(BrokenFileTest, StopsWithTypedErrorLeavingNoFileAndEmptyLists) {
  // A good load first, so that emptied lists show the failure cleared them.
  pick(write(fixture, "good.exe"));
  fileOpen(executable, window);

  GameFileFixture broken;
  GetParam().breakIt(broken);
  const std::string path = write(broken, "broken.exe");
  pick(path);
  const RuntimeError error = failedOpen();

  EXPECT_EQ(error.number(), GetParam().number) << GetParam().what;
  EXPECT_THAT(error.whatFailed(), AllOf(HasSubstr(path), HasSubstr(GetParam().mentions))) << error.what();
  expectCleanFailure();

  pick(write(fixture, "good again.exe"));
  fileOpen(executable, window);
  ASSERT_TRUE(executable.has_value());
  EXPECT_THAT(window.list(ListBox::cboSpell), SizeIs(36));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    ::testing::Values(
        BrokenFileCase{"prefix NameAddress 0 points before the file",
                       [](GameFileFixture& f) { f.setField(kPrefixTable, kNameAddress, 5, 0); },
                       ErrorNumber::BadRecordNumber, "prefix record 5"},
        BrokenFileCase{"suffix NameAddress overflows the address rule",
                       [](GameFileFixture& f) {
                         f.setField(kSuffixTable, kNameAddress, 94, static_cast<std::int32_t>(0x80000000u));
                       },
                       ErrorNumber::Overflow, "suffix record 94"},
        BrokenFileCase{"base item NameAddress past the end",
                       [](GameFileFixture& f) { f.setField(kBaseItemTable, kNameAddress, 1, 0x7FFFFFFF); },
                       ErrorNumber::InputPastEndOfFile, "base item record 1"},
        BrokenFileCase{"name field runs over the end",
                       [](GameFileFixture& f) {
                         f.setField(kSpellTable, kNameAddress, 0,
                                    GameFileFixture::nameAddressFor(GameFileFixture::kDefaultSize - 10));
                       },
                       ErrorNumber::InputPastEndOfFile, "spell record 0"},
        BrokenFileCase{"file ends inside the base item table", [](GameFileFixture& f) { f.resize(590'000); },
                       ErrorNumber::InputPastEndOfFile, "base item record"},
        BrokenFileCase{"empty file", [](GameFileFixture& f) { f.resize(0); }, ErrorNumber::InputPastEndOfFile,
                       "prefix record 0"}),
    [](const ::testing::TestParamInfo<BrokenFileCase>& info) { return testing::testName(info.param.what); });

TEST_F(FileOpenTest, FileThatCannotBeOpenedClearsTheListsOfTheEarlierLoad) {
  const std::string path = write(fixture);
  pick(path);
  fileOpen(executable, window);
  std::filesystem::remove(path);

  cancel();  // reloads the file picked last, which has gone
  EXPECT_EQ(failedOpen().number(), ErrorNumber::FileNotFound);
  expectCleanFailure();

  pick(directory.path().string());
  EXPECT_EQ(failedOpen().number(), ErrorNumber::PathFileAccessError);
  expectCleanFailure();
}

TEST_F(FileOpenTest, LoadsAndReadsNeverChangeTheFile) {
  const std::string path = write(fixture);
  const auto modified = std::filesystem::last_write_time(path);
  pick(path);
  fileOpen(executable, window);
  cancel();
  fileOpen(executable, window);
  executable->readValue(kAdriaLimit.position);
  executable.reset();

  std::ifstream in(path, std::ios::binary);
  const std::vector<char> after{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(after, fixture.bytes());
  EXPECT_EQ(std::filesystem::last_write_time(path), modified);
}

}  // namespace
}  // namespace pricewright
