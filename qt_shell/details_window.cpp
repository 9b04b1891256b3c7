#include "qt_shell/details_window.h"

#include <QLabel>
#include <QPushButton>

#include "qt_shell/widget_builder.h"
#include "shell/details_window_layout.h"

namespace pricewright {

DetailsWindow::DetailsWindow()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  applyWindowSpec(*this, *this, kDetailsWindow);
  buildControls(*this, detailsWindowControls());
  auto* close = findChild<QPushButton*>(toQString(cmdClose));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  // As with About: with the main window closed, closing this one ends the program.
  setAttribute(Qt::WA_QuitOnClose);
}

void DetailsWindow::showTexts(const std::vector<LabelText>& texts) {
  for (const LabelText& text : texts)
    if (auto* label = findChild<QLabel*>(toQString(text.label)))
      label->setText(QString::fromStdString(text.text));
}

}  // namespace pricewright
