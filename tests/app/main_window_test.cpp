#include <QAbstractItemView>
#include <QCheckBox>
#include <QMenuBar>
#include <QSignalSpy>

#include <algorithm>

#include "tests/app/shell_test.h"
#include "tests/support/recording_window.h"

namespace pricewright::testing {
namespace {

class MainWindowTest : public ShellTest {
protected:
  // Every list's selection and every box's text, as "control=value".
  std::vector<std::string> state() {
    std::vector<std::string> controls;
    std::ranges::transform(kListBoxes, std::back_inserter(controls), [&](ListBox each) {
      return std::string(controlName(each)) + "=" + std::to_string(list(each).currentIndex());
    });
    std::ranges::transform(kTextBoxes, std::back_inserter(controls), [&](TextBox each) {
      return std::string(controlName(each)) + "=" + box(each).text().toStdString();
    });
    return controls;
  }
  std::vector<std::string> changesSince(const std::vector<std::string>& before) {
    std::vector<std::string> changes;
    std::ranges::copy_if(state(), std::back_inserter(changes), [&](const std::string& now) {
      return std::ranges::find(before, now) == before.end();
    });
    return changes;
  }

  void pick(ListBox which, int index, bool byMouse = true) {
    QComboBox& combo = list(which);
    if (!byMouse) {
      combo.setFocus();
      for (int i = combo.currentIndex(); i < index; ++i) QTest::keyClick(&combo, Qt::Key_Down);
      return;
    }
    combo.showPopup();
    const QRect item = combo.view()->visualRect(combo.model()->index(index, 0));
    QTest::mouseClick(combo.view()->viewport(), Qt::LeftButton, {}, item.center());
  }
};

TEST_F(MainWindowTest, StartsEmptyWithTheFocusInThePrefixListAndAFixedClientArea) {
  for (ListBox each : kListBoxes) EXPECT_TRUE(list(each).count() == 0 && list(each).currentText().isEmpty());
  for (TextBox each : kTextBoxes) EXPECT_EQ(box(each).text(), "") << controlName(each);
  EXPECT_FALSE(control<QCheckBox>("chkBase").isChecked());
  EXPECT_TRUE(list(ListBox::cboPrefix).hasFocus());
  EXPECT_EQ(window.windowTitle(), "Diablo Pricewright");
  EXPECT_EQ(window.centralWidget()->size(), QSize(656, 177));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  // No menu caption carries an access key.
  const QList<QAction*> actions = window.menuBar()->findChildren<QAction*>();
  ASSERT_EQ(actions.size(), 4);
  for (QAction* action : actions) EXPECT_FALSE(action->text().contains('&')) << action->text().toStdString();
}

TEST_F(MainWindowTest, CtrlOOpensTheChosenFileAndACancelReloadsIt) {
  const QString path = answerWith(itemFile());
  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  for (ListBox each : kListBoxes) EXPECT_EQ(list(each).currentIndex(), -1) << controlName(each);
  list(ListBox::cboBase).setCurrentIndex(kBase);

  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // no answer: a cancel

  const std::string dialog = "openFileName \"Open a Diablo executable for item pricing...\" "
                             "\"Executable Files \" \"*.exe\" last=\"";
  EXPECT_EQ(dialogs.calls, (std::vector<std::string>{dialog + "\"", dialog + path.toStdString() + "\""}));
  EXPECT_EQ(window.chosenFileName(), path.toStdString());
  EXPECT_EQ(list(ListBox::cboBase).currentIndex(), -1);  // reloaded
}

TEST_F(MainWindowTest, EnterPressesGetCostsOnlyWhileItHasTheFocusAndEscPressesNothing) {
  QSignalSpy pressed(&control<QPushButton>("cmdGet"), &QPushButton::clicked);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    for (const char* focused : {"txtPreEff", "cboPrefix", "chkBase", "cmdGet"}) {
      control(focused).setFocus();
      QTest::keyClick(QApplication::focusWidget(), key);
    }
    QTest::qWait(200);  // a press by shortcut clicks a moment after the key
  }
  EXPECT_EQ(pressed.count(), 2);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, APickByMouseOrKeyboardRunsItsListsOperationAndNothingElse) {
  open(itemFile());
  struct Pick {
    ListBox list;
    int index;
    bool byMouse;
    std::vector<std::string> changes;
  };
  for (const Pick& step : {Pick{ListBox::cboPrefix, kPrefix, true, {"cboPrefix=5", "txtPreEff= 21- 30"}},
                           Pick{ListBox::cboSuffix, kSuffix, false, {"cboSuffix=2", "txtSufEff= 5- 5"}},
                           Pick{ListBox::cboSpell, kSpell, false, {"cboSpell=3", "txtCharge= 10- 40"}},
                           Pick{ListBox::cboBase, kBase, true, {"cboBase=7"}}}) {
    for (TextBox each : kTextBoxes) box(each).setText("typed");  // so that any write shows
    const auto before = state();
    pick(step.list, step.index, step.byMouse);
    EXPECT_EQ(changesSince(before), step.changes);
  }
  // A selection set by the program runs nothing.
  const auto before = state();
  window.setSelectedIndex(ListBox::cboPrefix, 6);
  window.setSelectedIndex(ListBox::cboSpell, 0);
  EXPECT_EQ(changesSince(before), (std::vector<std::string>{"cboPrefix=6", "cboSpell=0"}));
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainWindowTest, ClickingNormalItemOnlyClearsAllButTheBaseItem) {
  openItem();
  for (TextBox each : kTextBoxes) box(each).setText("typed");
  const auto before = state();
  QTest::mouseClick(&control<QCheckBox>("chkBase"), Qt::LeftButton);
  EXPECT_TRUE(control<QCheckBox>("chkBase").isChecked());
  EXPECT_EQ(changesSince(before),
            (std::vector<std::string>{
                "cboPrefix=-1", "cboSuffix=-1", "cboSpell=-1",
                "txtPreEff=", "txtSufEff=", "txtCharge=", "txtCostGris=", "txtCostWirt=", "txtCostAdria="}));
}

TEST_F(MainWindowTest, GetCostsWritesThePricesAndThenShowsTheNotesInShopOrder) {
  GameFileFixture file = itemFile();
  file.setLimit(kGriswoldLimit, 1500);
  file.setLimit(kAdriaLimit, 1000);
  openItem(file);
  std::vector<std::string> pricesWhileNoteShown;
  dialogs.whileMessageShown = [&] {
    pricesWhileNoteShown.push_back(window.text(TextBox::txtCostGris) + " " +
                                   window.text(TextBox::txtCostWirt) + " " +
                                   window.text(TextBox::txtCostAdria));
  };

  EXPECT_EQ(pressGetCosts(), (std::vector<std::string>{
                                 messageCall("Item Not Found at Griswold's Shop", "Note", MessageIcon::None),
                                 messageCall("Item Not Found at Adria's Shop", "Note", MessageIcon::None)}));
  EXPECT_EQ(pricesWhileNoteShown, (std::vector<std::string>{"2044.44444444444 3066.66666666667 ---",
                                                            "Unavailable Unavailable 2444.44444444444"}));
}

}  // namespace
}  // namespace pricewright::testing
