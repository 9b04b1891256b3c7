#include "app/dialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "gamedata/file_open.h"
#include "tests/app/qt_printers.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::testing {
namespace {

TEST(MessageBoxes, ShowTheirTextTitleAndIconWithOnlyOk) {
  for (auto [icon, shown] : {std::pair{MessageIcon::Warning, QMessageBox::Warning},
                             std::pair{MessageIcon::None, QMessageBox::NoIcon}}) {
    const auto box = makeMessageBox(nullptr, "File Not Loaded!!", "Error", icon);
    EXPECT_EQ(box->text(), "File Not Loaded!!");
    EXPECT_EQ(box->windowTitle(), "Error");
    EXPECT_EQ(box->icon(), shown);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  }
}

TEST(FileOpenDialog, StartsAtTheLastChoiceAndOffersOnlyExecutablesWhateverTheirCase) {
  TemporaryDirectory directory;
  for (const char* name : {"DIABLO.EXE", "game.exe", "readme.txt", "diablo.exe.txt"})
    std::ofstream(directory.file(name)) << "x";
  const QString folder = QString::fromStdString(directory.path().string());
  const auto dialog = makeFileOpenDialog(nullptr, kOpenDialogSettings, folder + "/DIABLO.EXE");
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  auto* model = dialog->findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);

  EXPECT_EQ(dialog->windowTitle(), "Open a Diablo executable for item pricing...");
  EXPECT_EQ(dialog->nameFilters(), QStringList{"Executable Files (*.exe)"});
  EXPECT_EQ(dialog->selectedFiles(), QStringList{folder + "/DIABLO.EXE"});
  // What the file list shows once the folder has loaded.
  ASSERT_TRUE(QTest::qWaitFor([&] { return loaded.contains(QVariantList{folder}); }, 5000));
  QStringList offered;
  for (int row = 0; row < model->rowCount(model->index(folder)); ++row)
    offered << model->index(row, 0, model->index(folder)).data().toString();
  offered.sort();
  EXPECT_EQ(offered, (QStringList{"DIABLO.EXE", "game.exe"}));
}

}  // namespace
}  // namespace pricewright::testing
