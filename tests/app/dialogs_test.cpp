#include "app/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "gamedata/file_open.h"
#include "tests/app/qt_printers.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::testing {
namespace {

TEST(MessageBoxes, ErrorBoxesCarryTheWarningIconAndNoteBoxesNoneWithOnlyOk) {
  const auto error = makeMessageBox(nullptr, "File Not Loaded!!", "Error", MessageIcon::Warning);
  const auto note = makeMessageBox(nullptr, "Item Not Found at Wirt's Shop", "Note", MessageIcon::None);

  EXPECT_EQ(error->text(), "File Not Loaded!!");
  EXPECT_EQ(error->windowTitle(), "Error");
  EXPECT_EQ(error->icon(), QMessageBox::Warning);
  EXPECT_EQ(note->text(), "Item Not Found at Wirt's Shop");
  EXPECT_EQ(note->windowTitle(), "Note");
  EXPECT_EQ(note->icon(), QMessageBox::NoIcon);
  for (const auto* box : {error.get(), note.get()}) {
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
  }
}

// The names the dialog's file list offers in `directory`.
QStringList offeredNames(QFileDialog& dialog, const QString& directory) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  if (!model) return {"(no file list)"};
  QObject scope;
  bool loaded = false;
  QObject::connect(model, &QFileSystemModel::directoryLoaded, &scope,
                   [&](const QString& path) { loaded |= path == directory; });
  dialog.setDirectory(directory);
  if (!QTest::qWaitFor([&] { return loaded; }, 5000)) return {"(not loaded)"};
  QStringList names;
  const QModelIndex folder = model->index(directory);
  for (int row = 0; row < model->rowCount(folder); ++row)
    names << model->index(row, 0, folder).data().toString();
  names.sort();
  return names;
}

TEST(FileOpenDialog, OffersOnlyExecutablesWhateverTheCaseOfTheirName) {
  TemporaryDirectory directory;
  for (const char* name : {"DIABLO.EXE", "game.exe", "Setup.Exe", "readme.txt", "diablo.exe.txt"})
    std::ofstream(directory.file(name)) << "x";
  const auto dialog = makeFileOpenDialog(nullptr, kOpenDialogSettings, QString());
  dialog->setOption(QFileDialog::DontUseNativeDialog);

  EXPECT_EQ(dialog->windowTitle(), "Open a Diablo executable for item pricing...");
  EXPECT_EQ(dialog->nameFilters(), QStringList{"Executable Files (*.exe)"});
  // The pattern is not shown; Qt trims the description's trailing blank.
  EXPECT_EQ(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(), "Executable Files");
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(offeredNames(*dialog, QString::fromStdString(directory.path().string())),
            (QStringList{"DIABLO.EXE", "Setup.Exe", "game.exe"}));
}

TEST(FileOpenDialog, StartsAtTheFileChosenLast) {
  TemporaryDirectory directory;
  std::ofstream(directory.file("DIABLO.EXE")) << "x";
  const QString chosen = QString::fromStdString(directory.file("DIABLO.EXE").string());

  const auto dialog = makeFileOpenDialog(nullptr, kOpenDialogSettings, chosen);
  dialog->setOption(QFileDialog::DontUseNativeDialog);

  EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(directory.path().string()));
  EXPECT_EQ(dialog->selectedFiles(), QStringList{chosen});
}

}  // namespace
}  // namespace pricewright::testing
