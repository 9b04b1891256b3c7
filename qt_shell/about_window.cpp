#include "qt_shell/about_window.h"

#include <QPushButton>

#include "qt_shell/widget_builder.h"
#include "shell/about_window_layout.h"

namespace pricewright {

AboutWindow::AboutWindow()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  applyWindowSpec(*this, *this, kAboutWindow);
  buildControls(*this, aboutWindowControls());
  buildLines(*this, aboutWindowLines());
  auto* ok = findChild<QPushButton*>("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  // Qt lets a tool window end the program with it only when asked: with the
  // main window closed, closing this window is what ends the program.
  setAttribute(Qt::WA_QuitOnClose);
}

}  // namespace pricewright
