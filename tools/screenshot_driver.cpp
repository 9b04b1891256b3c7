// Drives the real windows like a player would: opens a synthetic game file,
// prices an item and saves pictures of the main window, the About window and
// the Details window into the folder given; with a suffix, of the main window
// alone, as at a display scaling. Run under a display (scripts/screenshot uses Xvfb).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <iostream>

#include "bench/lifelike_file.h"
#include "qt_shell/main_window.h"

namespace {

using namespace pricewright;
using pricewright::tests::GameFileFixture;

// Lifelike tables with a few made-up names, and an item that Griswold stocks at some rolls only and that the
// shops make from the first levels on.
GameFileFixture showcaseFile() {
  GameFileFixture file = pricewright::bench::lifelikeFile();
  const auto affix = [](std::int32_t minimumLevel, const AffixRecord& ranges) {
    AffixRecord record = ranges;
    record.minimumLevel = minimumLevel;
    record.itemKinds = kWeaponFlag;
    record.useful = 1;
    return record;
  };
  file.setName(Table::Prefixes, 4, "Keen", 5000);
  file.setAffix(Table::Prefixes, 4, affix(8, {21, 30, 1000, 2000, 2}));
  file.setName(Table::BaseItems, 2, "Short Blade", 5040);
  file.setBaseItem(2, {.basePrice = 100, .dropRate = 1, .itemType = kSword, .minimumLevel = 3});
  file.setName(Table::Suffixes, 3, "of the Fox", 5080);
  file.setAffix(Table::Suffixes, 3, affix(6, {5, 10, 300, 600, 1}));
  file.setLimits({2500, 90000, 90000});
  return file;
}

void pick(QComboBox& list, int index) {
  list.setFocus();
  for (int i = list.currentIndex(); i < index; ++i) QTest::keyClick(&list, Qt::Key_Down);
}

void type(QLineEdit& box, const QString& text) {
  box.selectAll();
  QTest::keyClicks(&box, text);
}

// Opens the one file it was given; shows no message box.
class ScriptedDialogs : public Dialogs {
public:
  explicit ScriptedDialogs(QString file) : file_(std::move(file)) {}
  std::optional<QString> openFileName(QWidget*, const FileDialogSettings&, const QString&) override {
    return file_;
  }
  void message(QWidget*, const QString& text, const QString& title, MessageIcon) override {
    std::cout << title.toStdString() << ": " << text.toStdString() << "\n";
  }

private:
  QString file_;
};

bool save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  if (window.grab().save(path, "PNG")) return true;
  std::cerr << "cannot write " << path.toStdString() << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2 && argc != 3) {
    std::cerr
        << "usage: screenshot_driver OUTPUT_FOLDER [SUFFIX]\n"
           "  with a SUFFIX (\"-150\" under QT_SCALE_FACTOR=1.5), the main window alone, named with it\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString suffix = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();

  pricewright::tests::TemporaryDirectory directory;
  showcaseFile().writeTo(directory.file("DIABLO.EXE"));
  ScriptedDialogs dialogs(QString::fromStdString(directory.file("DIABLO.EXE").string()));

  MainWindow window(dialogs);
  window.showAtStart();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.findChild<QAction*>("mnuOpen")->trigger();
  pick(*window.findChild<QComboBox*>("cboBase"), 2);
  pick(*window.findChild<QComboBox*>("cboPrefix"), 4);
  pick(*window.findChild<QComboBox*>("cboSuffix"), 3);
  type(*window.findChild<QLineEdit*>("txtPreEff"), "25");
  type(*window.findChild<QLineEdit*>("txtSufEff"), "7");
  QTest::mouseClick(window.findChild<QPushButton*>("cmdGet"), Qt::LeftButton);
  if (!save(window, folder + "/main-window" + suffix + ".png")) return 1;
  if (!suffix.isEmpty()) return 0;

  window.showAbout();
  if (!QTest::qWaitForWindowExposed(window.aboutWindow())) return 1;
  if (!save(*window.aboutWindow(), folder + "/about-window.png")) return 1;

  window.showDetails();
  if (!QTest::qWaitForWindowExposed(window.detailsWindow())) return 1;
  pick(*window.detailsWindow()->findChild<QComboBox*>("cboCharacterLevel"), 5);
  pick(*window.detailsWindow()->findChild<QComboBox*>("cboDungeonLevel"), 5);
  if (!save(*window.detailsWindow(), folder + "/details-window.png")) return 1;
  return 0;
}
