// Pricewright: prices magic items from the game executable's own tables. A
// file named on the command line opens at start, else the one last opened;
// the recent files and the window's place are kept in Qt's settings.
#include <QApplication>

#include "pricewright_version.h"
#include "qt_shell/application_icon.h"
#include "qt_shell/dialogs.h"
#include "qt_shell/main_window.h"
#include "qt_shell/settings.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pricewright");
  QApplication::setOrganizationName("Pricewright");
  QApplication::setApplicationVersion(PRICEWRIGHT_VERSION);
  QApplication::setWindowIcon(pricewright::applicationIcon());

  pricewright::ModalDialogs dialogs;
  pricewright::QtSettingsStore settings;
  pricewright::MainWindow mainWindow(dialogs, &settings);
  mainWindow.showAtStart();
  // "pricewright FILE", as the desktop entry starts it for a file: opened as File > Open would.
  const QStringList arguments = QApplication::arguments();
  mainWindow.openAtStart(arguments.size() > 1 ? std::optional(arguments.at(1)) : std::nullopt);
  return QApplication::exec();
}
