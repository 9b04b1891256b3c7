#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <map>

#include "tests/app/shell_test.h"
#include "tests/support/recording_window.h"

namespace pricewright::testing {
namespace {

// A game file whose records give known ranges and an item with known prices.
GameFileFixture pricedGameFile() {
  GameFileFixture file;
  file.setField(kPrefixTable, kEffectMin, 5, 21);
  file.setField(kPrefixTable, kEffectMax, 5, 30);
  file.setField(kPrefixTable, kCostMin, 5, 1000);
  file.setField(kPrefixTable, kCostMax, 5, 2000);
  file.setField(kPrefixTable, kPriceMultiplier, 5, 2);
  file.setField(kSuffixTable, kEffectMin, 2, -10);
  file.setField(kSuffixTable, kEffectMax, 2, -5);
  file.setField(kSpellTable, kChargesMin, 3, 10);
  file.setField(kSpellTable, kChargesMax, 3, 40);
  file.setField(kBaseItemTable, kBasePrice, 7, 100);
  file.setLimit(kGriswoldLimit, 1500);
  file.setLimit(kWirtLimit, 3000);
  file.setLimit(kAdriaLimit, 1000);
  return file;
}

class EventWiringTest : public ShellTest {
protected:
  void SetUp() override {
    start();
    open(pricedGameFile());
  }

  // Every list's selection and every box's text, by control name.
  std::map<std::string, std::string> state() {
    std::map<std::string, std::string> controls;
    for (ListBox each : kListBoxes)
      controls[std::string(controlName(each))] = std::to_string(list(each).currentIndex());
    for (TextBox each : kTextBoxes) controls[std::string(controlName(each))] = box(each).text().toStdString();
    return controls;
  }

  // What changed from `before`, as "control=new value".
  std::vector<std::string> changesSince(const std::map<std::string, std::string>& before) {
    std::vector<std::string> changes;
    for (const auto& [controlName, value] : state()) {
      if (before.at(controlName) == value) continue;
      changes.push_back(controlName);
      changes.back().append("=").append(value);
    }
    return changes;
  }

  void pickWithMouse(const char* listName, int index) {
    auto& list = control<QComboBox>(listName);
    list.showPopup();
    QAbstractItemView* view = list.view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  }

  void pickWithKeyboard(const char* listName, int index) {
    auto& list = control<QComboBox>(listName);
    list.setFocus();
    for (int i = list.currentIndex(); i < index; ++i) QTest::keyClick(&list, Qt::Key_Down);
  }
};

TEST_F(EventWiringTest, PickingAPrefixByMouseShowsItsRangeAndNothingElse) {
  const auto before = state();
  pickWithMouse("cboPrefix", 5);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboPrefix=5", "txtPreEff= 21- 30"}));
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(EventWiringTest, PickingASuffixOrSpellByKeyboardShowsItsRange) {
  auto before = state();
  pickWithKeyboard("cboSuffix", 2);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboSuffix=2", "txtSufEff=-10--5"}));

  before = state();
  pickWithKeyboard("cboSpell", 3);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboSpell=3", "txtCharge= 10- 40"}));
}

TEST_F(EventWiringTest, PickingABaseItemOrSelectingFromTheProgramRunsNothing) {
  auto before = state();
  pickWithMouse("cboBase", 7);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboBase=7"}));

  before = state();
  window.setSelectedIndex(ListBox::cboPrefix, 5);
  window.setSelectedIndex(ListBox::cboSpell, 3);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboPrefix=5", "cboSpell=3"}));
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(EventWiringTest, ClickingNormalItemOnlyClearsTheChoicesButNotTheBaseItem) {
  pickWithMouse("cboBase", 7);
  pickWithMouse("cboPrefix", 5);
  pickWithMouse("cboSpell", 3);
  for (TextBox each : kTextBoxes) box(each).setText("typed");

  for (bool checked : {true, false}) {
    QTest::mouseClick(&control<QCheckBox>("chkBase"), Qt::LeftButton);
    EXPECT_EQ(control<QCheckBox>("chkBase").isChecked(), checked);
    const auto now = state();
    EXPECT_EQ(now, (std::map<std::string, std::string>{{"cboPrefix", "-1"},
                                                       {"cboSuffix", "-1"},
                                                       {"cboBase", "7"},
                                                       {"cboSpell", "-1"},
                                                       {"txtPreEff", ""},
                                                       {"txtSufEff", ""},
                                                       {"txtCharge", ""},
                                                       {"txtCostGris", ""},
                                                       {"txtCostWirt", ""},
                                                       {"txtCostAdria", ""}}));
  }
}

TEST_F(EventWiringTest, GetCostsWritesThePricesAndThenShowsTheNotesInShopOrder) {
  pickWithMouse("cboBase", 7);
  pickWithMouse("cboPrefix", 5);
  control<QLineEdit>("txtPreEff").setText("25");
  std::vector<std::string> pricesWhileNoteShown;
  dialogs.whileMessageShown = [&] { pricesWhileNoteShown.push_back(window.text(TextBox::txtCostGris)); };

  QTest::mouseClick(&control<QPushButton>("cmdGet"), Qt::LeftButton);

  EXPECT_EQ(window.text(TextBox::txtCostGris), "1644.44444444444");
  EXPECT_EQ(window.text(TextBox::txtCostWirt), "2466.66666666667");
  EXPECT_EQ(window.text(TextBox::txtCostAdria), "---");
  EXPECT_EQ(
      dialogs.messages(),
      (std::vector<std::string>{messageCall("Item Not Found at Griswold's Shop", "Note", MessageIcon::None),
                                messageCall("Item Not Found at Adria's Shop", "Note", MessageIcon::None)}));
  EXPECT_EQ(pricesWhileNoteShown, (std::vector<std::string>{"1644.44444444444", "1644.44444444444"}));
}

TEST_F(EventWiringTest, ATypoInAValueBoxIsReportedAndTheProgramGoesOn) {
  pickWithMouse("cboBase", 7);
  pickWithMouse("cboPrefix", 5);
  control<QLineEdit>("txtPreEff").setText("2x5");

  QTest::mouseClick(&control<QPushButton>("cmdGet"), Qt::LeftButton);

  ASSERT_EQ(dialogs.messages().size(), 1u);
  const std::string shown = dialogs.messages()[0];
  EXPECT_TRUE(shown.starts_with("showMessage \"Run-time error '13': Type mismatch.")) << shown;
  EXPECT_TRUE(shown.ends_with("\"Error\" warning")) << shown;
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.hasOpenExecutable());

  control<QLineEdit>("txtPreEff").setText("25");
  control<QPushButton>("cmdGet").setFocus();
  QTest::keyClick(&control<QPushButton>("cmdGet"), Qt::Key_Return);
  EXPECT_EQ(window.text(TextBox::txtCostGris), "1644.44444444444");
}

using GetCostsBeforeOpenTest = ShellTest;

TEST_F(GetCostsBeforeOpenTest, SaysFileNotLoadedAndChangesNothing) {
  start();
  for (TextBox each : kTextBoxes) box(each).setText("kept");

  QTest::mouseClick(&control<QPushButton>("cmdGet"), Qt::LeftButton);

  EXPECT_EQ(dialogs.messages(),
            (std::vector<std::string>{messageCall("File Not Loaded!!", "Error", MessageIcon::Warning)}));
  for (TextBox each : kTextBoxes) EXPECT_EQ(box(each).text(), "kept") << controlName(each);
}

}  // namespace
}  // namespace pricewright::testing
