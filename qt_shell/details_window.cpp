#include "qt_shell/details_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

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
  connect(findChild<QPushButton*>(toQString(cmdCopy)), &QPushButton::clicked, this, &DetailsWindow::copy);
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &DetailsWindow::copy);
  // As with About: with the main window closed, closing this one ends the program.
  setAttribute(Qt::WA_QuitOnClose);
}

void DetailsWindow::copy() { QGuiApplication::clipboard()->setText(QString::fromStdString(plainText_)); }

void DetailsWindow::showTexts(const std::vector<LabelText>& texts) {
  plainText_ = detailsPlainText(texts);
  for (const LabelText& text : texts)
    if (auto* label = findChild<QLabel*>(toQString(text.label)))
      label->setText(QString::fromStdString(text.text));
}

}  // namespace pricewright
