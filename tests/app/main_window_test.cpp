#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <array>

#include "tests/app/shell_test.h"

namespace pricewright::testing {
namespace {

// The control that has the focus, by name: an editable list's text field
// counts as the list.
std::string focusedControl() {
  QWidget* focused = QApplication::focusWidget();
  if (!focused) return "(none)";
  if (auto* list = qobject_cast<QComboBox*>(focused->parentWidget())) return list->objectName().toStdString();
  return focused->objectName().toStdString();
}

using MainWindowTest = ShellTest;

TEST_F(MainWindowTest, StartsEmptyAndCentredWithTheFocusInThePrefixList) {
  start();

  for (ListBox each : kListBoxes) {
    EXPECT_EQ(list(each).count(), 0) << controlName(each);
    EXPECT_EQ(list(each).currentText(), "") << controlName(each);
  }
  for (TextBox each : kTextBoxes) EXPECT_EQ(box(each).text(), "") << controlName(each);
  EXPECT_FALSE(control<QCheckBox>("chkBase").isChecked());
  EXPECT_EQ(focusedControl(), "cboPrefix");
  const QPoint offCentre = window.geometry().center() - window.screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 1);
  EXPECT_EQ(window.windowTitle(), "Diablo Pricewright");
  EXPECT_EQ(window.aboutWindow(), nullptr);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWindowTest, HasAFixedClientAreaBelowTheMenuBarAndOnlyACloseBox) {
  start();
  const QWidget& clientArea = *window.centralWidget();

  EXPECT_EQ(clientArea.size(), QSize(656, 177));
  EXPECT_EQ(clientArea.y(), window.menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(window.height(), window.menuBar()->height() + 177);
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(16, 16)));
}

TEST_F(MainWindowTest, TabVisitsTheControlsColumnByColumnAndWrapsAround) {
  start();
  std::vector<std::string> visited;
  for (int i = 0; i < 12; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(focusedControl());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"cboBase", "cboSuffix", "txtPreEff", "txtSufEff",
                                               "txtCostGris", "txtCostWirt", "cmdGet", "chkBase", "cboSpell",
                                               "txtCharge", "txtCostAdria", "cboPrefix"}));
}

TEST_F(MainWindowTest, NoMenuCaptionCarriesAnAccessKey) {
  QList<QAction*> actions = window.menuBar()->actions();
  for (QAction* onTheBar : window.menuBar()->actions())
    if (onTheBar->menu()) actions += onTheBar->menu()->actions();
  ASSERT_EQ(actions.size(), 4);
  for (QAction* action : actions) EXPECT_FALSE(action->text().contains('&')) << action->text().toStdString();
}

TEST_F(MainWindowTest, EnterPressesGetCostsOnlyWhileItHasTheFocusAndEscPressesNothing) {
  start();
  auto& cmdGet = control<QPushButton>("cmdGet");
  QSignalSpy pressed(&cmdGet, &QPushButton::clicked);

  for (const char* name : {"txtPreEff", "cboPrefix", "chkBase"}) {
    control(name).setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
  }
  EXPECT_EQ(pressed.count(), 0);
  cmdGet.setFocus();
  QTest::keyClick(&cmdGet, Qt::Key_Escape);
  EXPECT_EQ(pressed.count(), 0);
  EXPECT_TRUE(window.isVisible());
  QTest::keyClick(&cmdGet, Qt::Key_Return);
  EXPECT_EQ(pressed.count(), 1);
}

TEST_F(MainWindowTest, CtrlOOpensTheChosenFileAndFillsTheListsRecordByRecord) {
  start();
  GameFileFixture file;
  file.setName(kBaseItemTable, 3, "Long Blade");
  file.setField(kBaseItemTable, kNameAddress, 12, 0);
  const QString path = QString::fromStdString(directory.file("DIABLO.EXE").string());
  file.writeTo(directory.file("DIABLO.EXE"));
  dialogs.fileAnswers.emplace_back(path);

  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);

  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"openFileName \"Open a Diablo executable for item pricing...\" "
                                      "\"Executable Files \" \"*.exe\" last=\"\""}));
  EXPECT_EQ(control<QComboBox>("cboPrefix").count(), 83);
  EXPECT_EQ(control<QComboBox>("cboSuffix").count(), 95);
  EXPECT_EQ(control<QComboBox>("cboSpell").count(), 36);
  auto& cboBase = control<QComboBox>("cboBase");
  ASSERT_EQ(cboBase.count(), 156);
  EXPECT_EQ(cboBase.itemText(3), "Long Blade");
  EXPECT_EQ(cboBase.itemText(12), " 12-None");
  EXPECT_EQ(cboBase.itemText(155), "Base 155");
  for (ListBox each : kListBoxes) EXPECT_EQ(list(each).currentIndex(), -1) << controlName(each);
  EXPECT_EQ(window.chosenFileName(), path.toStdString());
  EXPECT_TRUE(window.hasOpenExecutable());
}

TEST_F(MainWindowTest, TheDialogStartsAtTheLastPickAndACancelReloadsIt) {
  start();
  const QString path = open(GameFileFixture());
  control<QComboBox>("cboBase").setCurrentIndex(7);

  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // cancelled

  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_TRUE(dialogs.calls[1].ends_with("last=\"" + path.toStdString() + "\""));
  EXPECT_EQ(window.chosenFileName(), path.toStdString());
  EXPECT_EQ(control<QComboBox>("cboBase").count(), 156);
  EXPECT_EQ(control<QComboBox>("cboBase").currentIndex(), -1);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainWindowTest, ARunTimeErrorIsShownAsAnErrorBoxAndTheProgramGoesOn) {
  start();
  dialogs.fileAnswers.emplace_back(QString::fromStdString(directory.file("missing.exe").string()));

  action("mnuOpen").trigger();

  ASSERT_EQ(dialogs.messages().size(), 1u);
  const std::string shown = dialogs.messages()[0];
  EXPECT_TRUE(shown.starts_with("showMessage \"Run-time error '53': File not found.")) << shown;
  EXPECT_TRUE(shown.find("missing.exe") != std::string::npos) << shown;
  EXPECT_TRUE(shown.ends_with("\"Error\" warning")) << shown;
  EXPECT_TRUE(window.isVisible());

  open(GameFileFixture());
  EXPECT_EQ(control<QComboBox>("cboSpell").count(), 36);
  EXPECT_EQ(dialogs.messages().size(), 1u);
}

// The operations' view of the window.
TEST_F(MainWindowTest, AppendingSelectsNothingAndClearingEmptiesTheTextField) {
  window.appendEntry(ListBox::cboSuffix, "of the Fox");
  window.appendEntry(ListBox::cboSuffix, "of Stone");
  EXPECT_EQ(window.selectedIndex(ListBox::cboSuffix), kNoSelection);
  window.setSelectedIndex(ListBox::cboSuffix, 1);
  EXPECT_EQ(control<QComboBox>("cboSuffix").currentText(), "of Stone");
  window.appendEntry(ListBox::cboSuffix, "of Ash");
  EXPECT_EQ(window.selectedIndex(ListBox::cboSuffix), 1);

  window.clearList(ListBox::cboSuffix);
  EXPECT_EQ(control<QComboBox>("cboSuffix").count(), 0);
  EXPECT_EQ(control<QComboBox>("cboSuffix").currentText(), "");
  EXPECT_EQ(window.selectedIndex(ListBox::cboSuffix), kNoSelection);
}

TEST_F(MainWindowTest, TextsTravelAsUtf8AndTheCheckBoxReadsAsOneOrZero) {
  window.setText(TextBox::txtCostWirt, "Grüße");
  EXPECT_EQ(control<QLineEdit>("txtCostWirt").text(), QString::fromUtf8("Grüße"));
  EXPECT_EQ(control<QLineEdit>("txtCostWirt").cursorPosition(), 0);  // a long price shows its first digits
  control<QLineEdit>("txtCharge").setText(QString::fromUtf8("½"));
  EXPECT_EQ(window.text(TextBox::txtCharge), "½");
  EXPECT_EQ(window.chkBaseValue(), 0);
  control<QCheckBox>("chkBase").setChecked(true);
  EXPECT_EQ(window.chkBaseValue(), 1);
}

TEST_F(MainWindowTest, TheDecimalSeparatorIsTheLocales) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(window.decimalSeparator(), ",");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(window.decimalSeparator(), ".");
  QLocale::setDefault(saved);
}

}  // namespace
}  // namespace pricewright::testing
