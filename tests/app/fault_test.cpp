// Faults a player can run into with the game file or the typed values: each
// ends in one clear error box, the program goes on, and the file is untouched.
#include <QPushButton>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gamedata/error.h"
#include "tests/app/shell_test.h"
#include "tests/support/recording_window.h"
#include "tests/support/test_name.h"

namespace pricewright::testing {
namespace {

namespace fs = std::filesystem;

constexpr ListIndex kBase = 7, kPrefix = 5, kSuffix = 2, kSpell = 3;
// 1000 + (4 / 9) * 1000 for the prefix, 2 * 100 for the base item, 80 / 5 * 25 * 2 for the charges.
constexpr const char* kSpellPrice = "2444.44444444444";

// An item with a prefix, a suffix and a spell whose prices stay well inside
// every range, so that one changed field decides the outcome.
GameFileFixture itemFile() {
  GameFileFixture file;
  const auto affix = [&](const TableLayout& table, ListIndex i, std::array<std::int32_t, 5> values) {
    file.setField(table, kEffectMin, i, values[0]);
    file.setField(table, kEffectMax, i, values[1]);
    file.setField(table, kCostMin, i, values[2]);
    file.setField(table, kCostMax, i, values[3]);
    file.setField(table, kPriceMultiplier, i, values[4]);
  };
  affix(kPrefixTable, kPrefix, {21, 30, 1000, 2000, 2});
  affix(kSuffixTable, kSuffix, {5, 5, 300, 300, 1});
  file.setField(kBaseItemTable, kBasePrice, kBase, 100);
  file.setField(kSpellTable, kChargesMin, kSpell, 10);
  file.setField(kSpellTable, kChargesMax, kSpell, 40);
  file.setField(kSpellTable, kChargeValue, kSpell, 80);
  file.setLimit(kGriswoldLimit, 1'000'000);
  file.setLimit(kWirtLimit, 1'000'000);
  file.setLimit(kAdriaLimit, 1'000'000);
  return file;
}

std::vector<char> bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool isErrorBox(const std::string& message, ErrorNumber number) {
  const std::string heading = "showMessage \"Run-time error '" + std::to_string(static_cast<int>(number)) +
                              "': " + std::string(description(number)) + ". ";
  return message.starts_with(heading) && message.ends_with("\"Error\" warning");
}

class FaultTest : public ShellTest {
protected:
  void SetUp() override { start(); }

  fs::path openItemFile(const GameFileFixture& file = itemFile(), const char* name = "DIABLO.EXE") {
    const fs::path path = open(file, name).toStdString();
    modified = fs::last_write_time(path);
    return path;
  }

  void describeItem() {
    for (auto [which, index] : {std::pair{ListBox::cboBase, kBase}, std::pair{ListBox::cboPrefix, kPrefix},
                                std::pair{ListBox::cboSuffix, kSuffix}, std::pair{ListBox::cboSpell, kSpell}})
      list(which).setCurrentIndex(index);
    box(TextBox::txtPreEff).setText("25");
    box(TextBox::txtSufEff).setText("5");
    box(TextBox::txtCharge).setText("25");
  }

  std::vector<std::string> pressGetCosts() {
    dialogs.calls.clear();
    QTest::mouseClick(&control<QPushButton>("cmdGet"), Qt::LeftButton);
    return dialogs.messages();
  }

  // The one box of a failed operation is an error box with the number.
  void expectOneErrorBox(ErrorNumber number) {
    const std::vector<std::string> shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u) << ::testing::PrintToString(shown);
    EXPECT_TRUE(isErrorBox(shown[0], number)) << shown[0];
  }

  // The program goes on: another file opens and prices an item.
  void expectProgramGoesOn() {
    ASSERT_TRUE(window.isVisible());
    dialogs.calls.clear();
    openItemFile(itemFile(), "good.exe");
    EXPECT_EQ(list(ListBox::cboSpell).count(), 36);
    describeItem();
    EXPECT_TRUE(pressGetCosts().empty());
    EXPECT_EQ(window.text(TextBox::txtCostAdria), kSpellPrice);
  }

  fs::file_time_type modified;
};

struct FileChangeCase {
  const char* what;
  void (*change)(const fs::path&);
  std::optional<ErrorNumber> error;  // none: priced from the open file
  friend void PrintTo(const FileChangeCase& c, std::ostream* os) { *os << c.what; }
};

class FileChangedAfterOpenTest : public FaultTest, public ::testing::WithParamInterface<FileChangeCase> {};

TEST_P(FileChangedAfterOpenTest, GetCostsReportsItClearly) {
  const fs::path path = openItemFile();
  const std::vector<char> bytes = bytesOf(path);
  describeItem();
  GetParam().change(path);

  const std::vector<std::string> shown = pressGetCosts();

  if (GetParam().error) {
    expectOneErrorBox(*GetParam().error);
  } else {
    EXPECT_TRUE(shown.empty()) << ::testing::PrintToString(shown);
    EXPECT_EQ(window.text(TextBox::txtCostAdria), kSpellPrice);
  }
  if (fs::exists(path) && fs::file_size(path) == bytes.size()) {
    EXPECT_EQ(bytesOf(path), bytes);
    EXPECT_EQ(fs::last_write_time(path), modified);
  }
  expectProgramGoesOn();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FileChangedAfterOpenTest,
    ::testing::Values(
        FileChangeCase{"deleted", [](const fs::path& p) { fs::remove(p); }, ErrorNumber::FileNotFound},
        FileChangeCase{"moved", [](const fs::path& p) { fs::rename(p, p.parent_path() / "elsewhere.exe"); },
                       ErrorNumber::FileNotFound},
        FileChangeCase{"truncated inside the tables", [](const fs::path& p) { fs::resize_file(p, 550'000); },
                       ErrorNumber::InputPastEndOfFile},
        FileChangeCase{"truncated to nothing", [](const fs::path& p) { fs::resize_file(p, 0); },
                       ErrorNumber::InputPastEndOfFile},
        // The open handle keeps the right to read that it was opened with.
        FileChangeCase{"made unreadable", [](const fs::path& p) { fs::permissions(p, fs::perms::none); },
                       std::nullopt}),
    [](const auto& info) { return testName(info.param.what); });

struct BadFileCase {
  const char* what;
  void (*make)(const fs::path& directory, GameFileFixture& file);
  const char* chosen;  // relative to the test directory
  ErrorNumber error;
  friend void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.what; }
};

class BadFileChosenTest : public FaultTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFileChosenTest, OpenReportsItAndLeavesNoListsBehind) {
  openItemFile();  // lists full, so that emptied lists show the failure cleared them
  GameFileFixture file = itemFile();
  GetParam().make(directory.path(), file);
  const fs::path chosen = directory.file(GetParam().chosen);
  if (!fs::exists(chosen)) file.writeTo(chosen);
  const std::vector<char> bytes = fs::is_regular_file(chosen) ? bytesOf(chosen) : std::vector<char>{};
  dialogs.calls.clear();
  dialogs.fileAnswers.emplace_back(QString::fromStdString(chosen.string()));

  action("mnuOpen").trigger();

  expectOneErrorBox(GetParam().error);
  EXPECT_FALSE(window.hasOpenExecutable());
  for (ListBox each : kListBoxes) EXPECT_EQ(list(each).count(), 0) << controlName(each);
  if (fs::is_regular_file(chosen)) {
    EXPECT_EQ(bytesOf(chosen), bytes);
  }
  expectProgramGoesOn();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileChosenTest,
    ::testing::Values(BadFileCase{"a folder",
                                  [](const fs::path& d, GameFileFixture&) {
                                    fs::create_directory(d / "Diablo");
                                  },
                                  "Diablo", ErrorNumber::PathFileAccessError},
                      BadFileCase{"a 0-byte file", [](const fs::path&, GameFileFixture& f) { f.resize(0); },
                                  "empty.exe", ErrorNumber::InputPastEndOfFile},
                      BadFileCase{"a file shorter than the tables",
                                  [](const fs::path&, GameFileFixture& f) { f.resize(600'000); }, "short.exe",
                                  ErrorNumber::InputPastEndOfFile},
                      BadFileCase{"a name address past the end",
                                  [](const fs::path&, GameFileFixture& f) {
                                    f.setField(kSuffixTable, kNameAddress, 9, INT_MAX);
                                  },
                                  "far.exe", ErrorNumber::InputPastEndOfFile},
                      BadFileCase{"a name address before the start",
                                  [](const fs::path&, GameFileFixture& f) {
                                    f.setField(kSpellTable, kNameAddress, 4, 0x402000);
                                  },
                                  "early.exe", ErrorNumber::BadRecordNumber}),
    [](const auto& info) { return testName(info.param.what); });

TEST_F(FaultTest, FileNameWithSpacesAndNonAsciiCharactersOpensAndPrices) {
  const fs::path folder = directory.file("Mes Jeux \u00E9t\u00E9 \u65E5\u672C");
  fs::create_directories(folder);
  const fs::path path = folder / "Diablo \u00DCber.exe";
  itemFile().writeTo(path);
  dialogs.fileAnswers.emplace_back(QString::fromStdString(path.string()));
  action("mnuOpen").trigger();

  ASSERT_TRUE(window.hasOpenExecutable());
  describeItem();
  EXPECT_TRUE(pressGetCosts().empty());
  EXPECT_EQ(window.text(TextBox::txtCostAdria), kSpellPrice);
}

struct LimitValueCase {
  const TableLayout* table;
  const FieldLayout* field;
  std::int32_t value;
  bool overflows;  // drives the fixed 32-bit arithmetic out of range
};

std::string caseName(const LimitValueCase& c) {
  return testName(std::string(c.table ? c.table->name : "shop") + " " + std::string(c.field->name) + " " +
                  (c.value == INT_MIN ? "min" : "max"));
}

class LimitValueTest : public FaultTest, public ::testing::WithParamInterface<LimitValueCase> {};

TEST_P(LimitValueTest, PricesOrReportsOverflowAndGoesOn) {
  const LimitValueCase& c = GetParam();
  GameFileFixture file = itemFile();
  if (c.table)
    file.setField(*c.table, *c.field,
                  c.table == &kPrefixTable   ? kPrefix
                  : c.table == &kSuffixTable ? kSuffix
                  : c.table == &kSpellTable  ? kSpell
                                             : kBase,
                  c.value);
  else
    file.setValue(c.field->offsetInRecord, c.value);  // a shop limit: its position is kept as the offset
  const fs::path path = openItemFile(file);
  describeItem();

  const std::vector<std::string> first = pressGetCosts();
  const auto errors =
      std::ranges::count_if(first, [](const std::string& m) { return m.ends_with("warning"); });
  if (c.overflows) {
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(isErrorBox(first.back(), ErrorNumber::Overflow)) << first.back();
    EXPECT_EQ(errors, 1);
  } else {
    EXPECT_EQ(errors, 0) << ::testing::PrintToString(first);
  }
  // Nothing is carried from one press to the next.
  EXPECT_EQ(pressGetCosts(), first);
  EXPECT_EQ(bytesOf(path), file.bytes());
  EXPECT_EQ(fs::last_write_time(path), modified);
}

constexpr FieldLayout kGriswold{"GriswoldLimit", kGriswoldLimit.position};
constexpr FieldLayout kWirt{"WirtLimit", kWirtLimit.position};
constexpr FieldLayout kAdria{"AdriaLimit", kAdriaLimit.position};

// The item: base price 100; prefix 21..30 costing 1000..2000, multiplier 2,
// typed 25; suffix 5..5 costing 300, multiplier 1, typed 5; spell 80, 25 charges.
INSTANTIATE_TEST_SUITE_P(
    EveryField, LimitValueTest,
    ::testing::Values(LimitValueCase{&kPrefixTable, &kEffectMin, INT_MIN, true},  // 30 - min
                      LimitValueCase{&kPrefixTable, &kEffectMin, INT_MAX, false},
                      LimitValueCase{&kPrefixTable, &kEffectMax, INT_MIN, true},  // min - 21
                      LimitValueCase{&kPrefixTable, &kEffectMax, INT_MAX, false},
                      LimitValueCase{&kPrefixTable, &kCostMin, INT_MIN, true},  // 2000 - min
                      LimitValueCase{&kPrefixTable, &kCostMin, INT_MAX, true},  // max + 300, both CostMins
                      LimitValueCase{&kPrefixTable, &kCostMax, INT_MIN, true},  // min - 1000
                      LimitValueCase{&kPrefixTable, &kCostMax, INT_MAX, false},
                      LimitValueCase{&kPrefixTable, &kPriceMultiplier, INT_MIN, false},  // divides instead
                      LimitValueCase{&kPrefixTable, &kPriceMultiplier, INT_MAX, true},   // max * 100
                      LimitValueCase{&kSuffixTable, &kEffectMin, INT_MIN, true},
                      LimitValueCase{&kSuffixTable, &kEffectMin, INT_MAX, false},
                      LimitValueCase{&kSuffixTable, &kEffectMax, INT_MIN, true},
                      LimitValueCase{&kSuffixTable, &kEffectMax, INT_MAX, false},
                      LimitValueCase{&kSuffixTable, &kCostMin, INT_MIN, true},
                      LimitValueCase{&kSuffixTable, &kCostMin, INT_MAX, true},  // 1000 + max
                      LimitValueCase{&kSuffixTable, &kCostMax, INT_MIN, true},
                      LimitValueCase{&kSuffixTable, &kCostMax, INT_MAX, false},
                      LimitValueCase{&kSuffixTable, &kPriceMultiplier, INT_MIN, false},
                      LimitValueCase{&kSuffixTable, &kPriceMultiplier, INT_MAX, true},  // max + 2
                      LimitValueCase{&kBaseItemTable, &kBasePrice, INT_MIN, true},      // 2 * min
                      LimitValueCase{&kBaseItemTable, &kBasePrice, INT_MAX, true},
                      LimitValueCase{&kSpellTable, &kChargesMin, INT_MIN, false},
                      LimitValueCase{&kSpellTable, &kChargesMax, INT_MAX, false},
                      LimitValueCase{&kSpellTable, &kChargeValue, INT_MIN, false},
                      LimitValueCase{&kSpellTable, &kChargeValue, INT_MAX, false},
                      LimitValueCase{nullptr, &kGriswold, INT_MIN, false},
                      LimitValueCase{nullptr, &kWirt, INT_MAX, false},
                      LimitValueCase{nullptr, &kAdria, INT_MIN, false}),
    [](const auto& info) { return caseName(info.param); });

}  // namespace
}  // namespace pricewright::testing
