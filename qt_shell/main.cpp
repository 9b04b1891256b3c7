// Pricewright: prices magic items from the game executable's own tables. It
// keeps no settings; a file named on the command line opens at start.
#include <QApplication>

#include "pricewright_version.h"
#include "qt_shell/application_icon.h"
#include "qt_shell/dialogs.h"
#include "qt_shell/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pricewright");
  QApplication::setApplicationVersion(PRICEWRIGHT_VERSION);
  QApplication::setWindowIcon(pricewright::applicationIcon());

  pricewright::ModalDialogs dialogs;
  pricewright::MainWindow mainWindow(dialogs);
  mainWindow.showCentred();
  // "pricewright FILE", as the desktop entry starts it for a file: opened as File > Open would.
  if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
    mainWindow.openFile(arguments.at(1));
  return QApplication::exec();
}
