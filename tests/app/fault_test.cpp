// Faults a player can run into with the game file or the typed values: each
// ends in one clear error box, the program goes on, and the file is untouched.
#include <QPushButton>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gamedata/error.h"
#include "tests/app/shell_test.h"
#include "tests/support/test_name.h"

namespace pricewright::testing {
namespace {

namespace fs = std::filesystem;

// 1000 + (4 / 9) * 1000 for the prefix, 2 * 100 for the base item, 80 / 5 * 25 * 2 for the charges.
constexpr const char* kSpellPrice = "2444.44444444444";

class FaultTest : public ShellTest {
protected:
  void expectOneErrorBox(ErrorNumber number) {
    const std::string heading = "showMessage \"Run-time error '" + std::to_string(static_cast<int>(number)) +
                                "': " + std::string(description(number)) + ". ";
    const std::vector<std::string> shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u) << ::testing::PrintToString(shown);
    EXPECT_TRUE(shown[0].starts_with(heading) && shown[0].ends_with("\"Error\" warning")) << shown[0];
  }
  // The file has the bytes it was written with and was not written since.
  void expectUntouched(const fs::path& path, const GameFileFixture& file, fs::file_time_type modified) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(in), {}), file.bytes());
    EXPECT_EQ(fs::last_write_time(path), modified);
  }
  // The program goes on: another file, its name with blanks and non-ASCII
  // characters, opens and prices the item.
  void expectProgramGoesOn() {
    ASSERT_TRUE(window.isVisible());
    openItem(itemFile(), "Diablo \u00DCber \u65E5\u672C.exe");
    EXPECT_TRUE(pressGetCosts().empty());
    EXPECT_EQ(window.text(TextBox::txtCostAdria), kSpellPrice);
  }
};

TEST_F(FaultTest, ATypoInAValueBoxIsReportedAndTheProgramGoesOn) {
  openItem();
  box(TextBox::txtPreEff).setText("2x5");
  pressGetCosts();
  expectOneErrorBox(ErrorNumber::TypeMismatch);
  EXPECT_TRUE(window.hasOpenExecutable());
  expectProgramGoesOn();
}

// A change to the open file, or a bad file chosen in its place. The file-
// opening tests go through every kind of bad file; two stand for them here.
struct FileCase {
  const char* what;
  void (*change)(const fs::path&);
  bool chosenAtOpen;                 // else found by Get Costs
  std::optional<ErrorNumber> error;  // none: priced from the open file
  friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }
};

class FileFaultTest : public FaultTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileFaultTest, IsReportedInOneErrorBoxAndTheProgramGoesOn) {
  const FileCase& c = GetParam();
  const fs::path path = openItem();  // lists full, so that emptied lists show a failed open cleared them
  const fs::file_time_type modified = fs::last_write_time(path);
  c.change(path);
  dialogs.calls.clear();
  if (c.chosenAtOpen) {
    dialogs.fileAnswers.emplace_back(QString::fromStdString(path.string()));
    action("mnuOpen").trigger();
    EXPECT_FALSE(window.hasOpenExecutable());
    for (ListBox each : kListBoxes) EXPECT_EQ(list(each).count(), 0) << controlName(each);
  } else {
    control<QPushButton>("cmdGet").click();
  }

  if (c.error) {
    expectOneErrorBox(*c.error);
  } else {
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{});
    EXPECT_EQ(window.text(TextBox::txtCostAdria), kSpellPrice);
    expectUntouched(path, itemFile(), modified);
  }
  expectProgramGoesOn();
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileFaultTest,
    ::testing::Values(
        FileCase{"deleted", [](const fs::path& p) { fs::remove(p); }, false, ErrorNumber::FileNotFound},
        FileCase{"moved", [](const fs::path& p) { fs::rename(p, p.parent_path() / "elsewhere.exe"); }, false,
                 ErrorNumber::FileNotFound},
        FileCase{"truncated inside the tables", [](const fs::path& p) { fs::resize_file(p, 550'000); }, false,
                 ErrorNumber::InputPastEndOfFile},
        // The open handle keeps the right to read that it was opened with.
        FileCase{"made unreadable", [](const fs::path& p) { fs::permissions(p, fs::perms::none); }, false,
                 std::nullopt},
        FileCase{"an empty file chosen", [](const fs::path& p) { fs::resize_file(p, 0); }, true,
                 ErrorNumber::InputPastEndOfFile},
        FileCase{"a folder chosen",
                 [](const fs::path& p) {
                   fs::remove(p);
                   fs::create_directory(p);
                 },
                 true, ErrorNumber::PathFileAccessError}),
    [](const auto& info) { return testName(info.param.what); });

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
void PrintTo(const LimitValueCase& c, std::ostream* os) { *os << caseName(c); }

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
  const fs::path path = openItem(file);
  const fs::file_time_type modified = fs::last_write_time(path);

  const std::vector<std::string> shown = pressGetCosts();
  // Notes of the steps before a failing one may come first.
  std::erase_if(dialogs.calls, [](const std::string& call) { return call.ends_with("\"Note\" none"); });
  if (c.overflows)
    expectOneErrorBox(ErrorNumber::Overflow);
  else
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{});
  // Nothing is carried from one press to the next.
  EXPECT_EQ(pressGetCosts(), shown);
  expectUntouched(path, file, modified);
}

constexpr FieldLayout kGriswold{"GriswoldLimit", kGriswoldLimit.position};
constexpr FieldLayout kWirt{"WirtLimit", kWirtLimit.position};
constexpr FieldLayout kAdria{"AdriaLimit", kAdriaLimit.position};

// The item as itemFile() has it, with 25 typed for the prefix, 5 for the
// suffix and 25 charges.
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
