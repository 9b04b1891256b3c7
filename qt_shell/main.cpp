// Pricewright: prices magic items from the game executable's own tables. It
// takes no command line and keeps no settings.
#include <QApplication>

#include "qt_shell/application_icon.h"
#include "qt_shell/dialogs.h"
#include "qt_shell/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Pricewright");
  QApplication::setWindowIcon(pricewright::applicationIcon());

  pricewright::ModalDialogs dialogs;
  pricewright::MainWindow mainWindow(dialogs);
  mainWindow.showCentred();
  return QApplication::exec();
}
