#include "qt_shell/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

#include "qt_shell/widget_builder.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"
#include "shell/window_operations.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/map_settings.h"

using namespace pricewright;

namespace {
// Dialogs that answer at once: the file-open dialog with `nextFile` (a cancel
// when empty); both record what they were asked to show.
class FakeDialogs : public Dialogs {
public:
  QString nextFile;
  std::vector<std::string> shown;
  std::optional<QString> openFileName(QWidget*, const FileDialogSettings&,
                                      const QString& lastChosen) override {
    shown.push_back("open " + lastChosen.toStdString());
    return nextFile.isEmpty() ? std::nullopt : std::optional(std::exchange(nextFile, {}));
  }
  void message(QWidget*, const QString& text, const QString& title, MessageIcon) override {
    shown.push_back(title.toStdString() + ": " + text.toStdString());
  }
};

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    window.showAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  template <typename Control = QWidget> Control& control(std::string_view name) {
    if (auto* found = window.findChild<Control*>(toQString(name))) return *found;
    throw std::runtime_error("no control named " + std::string(name));
  }
  QString text(TextBox box) { return control<QLineEdit>(box.name).text(); }
  void openExample() {
    dialogs.nextFile = QString::fromStdString(directory.write(tests::exampleFile()));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  }
  void pickByKeyboard(ListBox list, int index) {
    auto& combo = control<QComboBox>(list.name);
    combo.setFocus();
    for (int i = combo.currentIndex(); i < index; ++i) QTest::keyClick(&combo, Qt::Key_Down);
  }

  FakeDialogs dialogs;
  tests::MapSettings settings;
  MainWindow window{dialogs, &settings};
  tests::TemporaryDirectory directory;
};

// Runs the event loop from `start`; true when the program ended by itself in time.
// `later` runs 200 ms after the start. The timers belong to the caller.
bool programEnds(
    const std::function<void()>& start, const std::function<void()>& later = [] {}) {
  bool timedOut = false;
  QTimer starter;
  QTimer second;
  QTimer guard;
  starter.callOnTimeout(start);
  second.callOnTimeout(later);
  guard.callOnTimeout([&] { timedOut = true, QCoreApplication::exit(1); });
  for (auto [timer, delay] : {std::pair{&starter, 0}, {&second, 200}, {&guard, 5000}}) {
    timer->setSingleShot(true);
    timer->start(delay);
  }
  QApplication::exec();
  return !timedOut;
}
}  // namespace

TEST_F(MainWindowTest, BuildsTheTablesControlsInPlaceWhiteOnBlackWhateverTheDesktopTheme) {
  for (const ControlSpec& row : mainWindowControls()) {
    const QRect geometry = control(row.name).geometry();
    const QRect laidOut(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    // A one-line label fits itself to its caption.
    EXPECT_EQ(row.kind == ControlKind::Label ? QRect(laidOut.topLeft(), geometry.size()) : laidOut, geometry)
        << row.name;
    // Every caption fits its control, whatever the display's scale.
    const QWidget& widget = control(row.name);
    const int mark = row.kind == ControlKind::CheckBox
                         ? widget.style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                               widget.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                         : 0;
    EXPECT_LE(QFontMetrics(widget.font()).horizontalAdvance(toQString(row.caption)) + mark, geometry.width())
        << row.name;
  }
  for (const AccessibleText& text : mainWindowAccessibleTexts()) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&control(text.control));
    EXPECT_EQ(spoken->text(QAccessible::Name) + "|" + spoken->text(QAccessible::Description),
              toQString(text.name) + "|" + toQString(text.description));
  }
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  // The file dialog asks for executables; a Qt filter needs its pattern in parentheses.
  EXPECT_EQ(makeFileOpenDialog(nullptr, kOpenDialogSettings, "")->nameFilters(),
            QStringList{"Executable Files (*.exe)"});
  EXPECT_TRUE(control(cboPrefix.name).hasFocus());
  EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));

  const QPalette desktop = QApplication::palette();
  QApplication::setPalette(QPalette(QColor(48, 48, 48), QColor(250, 250, 250)));  // a dark theme
  const QImage shot = window.centralWidget()->grab(control("Label1").geometry()).toImage();
  QApplication::setPalette(desktop);
  EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
  const auto* middle = reinterpret_cast<const QRgb*>(shot.constScanLine(shot.height() / 2));
  EXPECT_NE(std::find(middle, middle + shot.width(), qRgb(255, 255, 255)),
            middle + shot.width());  // the caption
}

TEST_F(MainWindowTest, PicksClicksAndKeysRunTheirOperationsAndProgramSelectionsRunNothing) {
  openExample();
  pickByKeyboard(cboPrefix, 5);
  EXPECT_EQ(text(txtPreEff), " 21- 30");
  window.setSelectedIndex(cboSuffix, 4);
  pickByKeyboard(cboBase, 2);
  EXPECT_EQ(text(txtSufEff), "");
  window.setSelectedIndex(cboSuffix, kNoSelection);

  QSignalSpy pressed(&control<QPushButton>(cmdGet), &QPushButton::clicked);
  control<QLineEdit>(txtPreEff.name).setText("25");
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    for (std::string_view focused : {txtPreEff.name, cboPrefix.name, chkBase, cmdGet}) {
      control(focused).setFocus();
      QTest::keyClick(QApplication::focusWidget(), key);
    }
  }
  QTest::qWait(200);  // a press by key clicks a moment later
  EXPECT_EQ(pressed.count(), 2);
  EXPECT_EQ(text(txtCostGris), "1644.44444444444");
  EXPECT_EQ(dialogs.shown.back(), "Note: Item Not Found at Griswold's Shop");

  QTest::mouseClick(&control<QCheckBox>(chkBase), Qt::LeftButton);
  EXPECT_EQ(control<QComboBox>(cboPrefix.name).currentIndex(), -1);
  EXPECT_EQ(control<QComboBox>(cboBase.name).currentIndex(), 2);
  EXPECT_EQ(text(txtCostGris), "");
  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // a cancel reloads the file
  EXPECT_EQ(dialogs.shown.back(), "open " + directory.file("DIABLO.EXE").string());
  EXPECT_EQ(control<QComboBox>(cboBase.name).currentIndex(), -1);
}

// Each way of closing the one About window leaves the next fresh; an open About window keeps the program
// and its file after the main window closes, and Ctrl+E ends all.
TEST_F(MainWindowTest, OneAboutWindowComesToTheFrontKeepsTheProgramUntilItClosesAndCtrlEEndsAll) {
  const std::function<void(AboutWindow&)> waysToClose[] = {
      [](AboutWindow& about) { QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); },
      [](AboutWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
      [](AboutWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }};
  for (const auto& closeIt : waysToClose) {
    control<QAction>("mnuAbout").trigger();
    AboutWindow* about = window.aboutWindow();
    ASSERT_TRUE(about && QTest::qWaitForWindowActive(about));
    EXPECT_NE(about->findChild<QLabel*>("lblTitle")->text(), "left over");
    about->findChild<QLabel*>("lblTitle")->setText("left over");
    window.activateWindow();
    control<QAction>("mnuAbout").trigger();
    ASSERT_TRUE(window.aboutWindow() == about && QTest::qWaitForWindowActive(about));
    closeIt(*about);
    EXPECT_EQ(window.aboutWindow(), nullptr);
  }
  bool aboutKeptTheFile = false;
  EXPECT_TRUE(programEnds(
      [&] {
        window.openFile(QString::fromStdString(directory.write(tests::exampleFile())));
        window.showAbout();
        window.close();
      },
      [&] {
        aboutKeptTheFile = window.hasOpenExecutable() && window.aboutWindow();
        if (window.aboutWindow()) window.aboutWindow()->close();
      }));
  EXPECT_TRUE(aboutKeptTheFile);
  MainWindow another(dialogs);
  EXPECT_TRUE(programEnds([&] {
    another.showAtStart();
    another.showAbout();
    another.activateWindow();
    if (QTest::qWaitForWindowActive(&another)) QTest::keyClick(&another, Qt::Key_E, Qt::ControlModifier);
  }));
  EXPECT_FALSE(another.isVisible() || another.aboutWindow());
}

// The next start opens the file last opened, where the window was; a file gone since opens quietly not at
// all, and the dialog starts in its folder.
TEST_F(MainWindowTest, RemembersTheLastFileAndThePlaceForTheNextStart) {
  openExample();
  const std::string path = directory.file("DIABLO.EXE").string();
  QStringList fileMenu;
  for (const QAction* action : control<QMenu>("mnuFile").actions()) fileMenu << action->text();
  EXPECT_EQ(fileMenu.join("|").toStdString(), "Open|1 " + path + "||Exit");
  window.move(40, 30);
  window.close();
  const auto nextStart = [&] {
    auto next = std::make_unique<MainWindow>(dialogs, &settings);
    next->showAtStart();
    next->openAtStart(std::nullopt);
    return next;
  };
  const auto second = nextStart();
  EXPECT_EQ(second->pos(), QPoint(40, 30));
  EXPECT_EQ(second->findChild<QComboBox*>(toQString(cboSpell.name))->count(), 36);
  std::filesystem::remove(path);
  const std::size_t shownBefore = dialogs.shown.size();
  const auto third = nextStart();
  EXPECT_EQ(third->findChild<QComboBox*>(toQString(cboSpell.name))->count(), 0);
  EXPECT_EQ(dialogs.shown.size(), shownBefore);
  third->findChild<QAction*>("mnuOpen")->trigger();
  EXPECT_EQ(dialogs.shown.back(), "open " + directory.file("").parent_path().string());
}

// The Details window follows each press of "Get Costs"; Esc closes it; the price boxes show their whole text
// on hover.
TEST_F(MainWindowTest, DetailsWindowFollowsEachPressAndEscClosesIt) {
  QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
  DetailsWindow* details = window.detailsWindow();
  ASSERT_TRUE(details && QTest::qWaitForWindowActive(details));
  window.openFile(QString::fromStdString(directory.write(tests::exampleFile())));
  EXPECT_EQ(details->findChild<QLabel*>(toQString(lblGameFile))->text(), "DIABLO.EXE: Diablo 1.07, modified");
  window.setSelectedIndex(cboPrefix, 5);
  window.setSelectedIndex(cboBase, 2);
  control<QLineEdit>(txtPreEff.name).setText("25");
  QTest::mouseClick(&control<QPushButton>(cmdGet), Qt::LeftButton);
  EXPECT_EQ(details->findChild<QLabel*>(toQString(lblShops))->text().split('\n').front(),
            "Griswold: value 1,640 is above his limit of 1,500.");
  EXPECT_EQ(control<QLineEdit>(txtCostGris.name).toolTip(), "1644.44444444444");
  QTest::keyClick(details, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(
      "DIABLO.EXE: Diablo 1.07, modified\n\nTerm           By the boxes      By the game\nBase price     100 "
      "              100\n"));
  EXPECT_TRUE(copied.contains(details->findChild<QLabel*>(toQString(lblNote))->text() + "\n\n"));
  // The settings of the odds: a level picked by the player and the check box clicked change the text and are
  // kept; a level set by the program is no change.
  auto* characterLevel = details->findChild<QComboBox*>(toQString(cboCharacterLevel));
  characterLevel->setFocus();
  for (int down = 0; down < 19; ++down) QTest::keyClick(characterLevel, Qt::Key_Down);
  QTest::mouseClick(details->findChild<QCheckBox*>(toQString(chkMultiplayer)), Qt::LeftButton);
  const QString whereToBuy = details->findChild<QLabel*>(toQString(lblWhereToBuy))->text();
  EXPECT_TRUE(
      whereToBuy.contains("At character level 20, deepest dungeon level 1 (shop level 12), in multiplayer"))
      << whereToBuy.toStdString();
  EXPECT_EQ(settings.values["CharacterLevel"] + " " + settings.values["Multiplayer"], "20 1");
  details->findChild<QComboBox*>(toQString(cboDungeonLevel))->setCurrentIndex(7);
  EXPECT_EQ(settings.values["DeepestDungeonLevel"], "1");
  QTest::keyClick(details, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("Where to buy\n" + whereToBuy + "\n"));
  QTest::keyClick(details, Qt::Key_Escape);
  EXPECT_EQ(window.detailsWindow(), nullptr);
}

// A drop is taken where it is one local .exe, whatever the case of its ending, and opens it.
TEST_F(MainWindowTest, TakesADropOfOneExecutableAndOpensIt) {
  const QUrl game = QUrl::fromLocalFile(QString::fromStdString(directory.write(tests::exampleFile())));
  QMimeData dragged;
  for (const auto& [urls, taken] : {std::pair{QList{game}, true},
                                    {QList{QUrl::fromLocalFile("/games/readme.txt")}, false},
                                    {QList{game, game}, false}}) {
    dragged.setUrls(urls);
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_EQ(enter.isAccepted(), taken) << urls.front().toString().toStdString() << " x" << urls.size();
  }
  dragged.setUrls({game});
  QDropEvent drop({10, 10}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_TRUE(window.hasOpenExecutable());
}

int main(int argc, char** argv) {
  QLoggingCategory::setFilterRules("qt.qpa.*=false");  // the headless platform cannot raise windows
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
