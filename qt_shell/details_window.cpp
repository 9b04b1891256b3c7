#include "qt_shell/details_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "qt_shell/widget_builder.h"
#include "shell/details_window_layout.h"

namespace pricewright {

DetailsWindow::DetailsWindow(const ChoicePicked& picked)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  applyWindowSpec(*this, *this, kDetailsWindow);
  buildControls(*this, detailsWindowControls());
  auto* close = findChild<QPushButton*>(toQString(cmdClose));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(findChild<QPushButton*>(toQString(cmdCopy)), &QPushButton::clicked, this, &DetailsWindow::copy);
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &DetailsWindow::copy);
  for (const AccessibleText& spoken : detailsWindowAccessibleTexts()) {
    auto* control = findChild<QWidget*>(toQString(spoken.control));
    control->setAccessibleName(toQString(spoken.name));
    control->setAccessibleDescription(toQString(spoken.description));
  }
  // Only the player's own changes are passed on: `activated` and `clicked` never follow a change by the
  // program.
  for (const ShopChoice& choice : kShopChoices) {
    const std::string_view name = choice.control;
    if (auto* list = findChild<QComboBox*>(toQString(name))) {
      for (int level = choice.lowest; level <= choice.highest; ++level) list->addItem(QString::number(level));
      connect(list, &QComboBox::activated, this, [picked, name](int index) { picked(name, index); });
    } else {
      connect(findChild<QCheckBox*>(toQString(name)), &QCheckBox::clicked, this,
              [picked, name](bool checked) { picked(name, checked ? 1 : 0); });
    }
  }
  // As with About: with the main window closed, closing this one ends the program.
  setAttribute(Qt::WA_QuitOnClose);
}

void DetailsWindow::showSettings(const ShopSettings& settings) {
  const std::array<int, 3> shown = choicesShown(settings);
  for (std::size_t at = 0; at < kShopChoices.size(); ++at) {
    const QString name = toQString(kShopChoices[at].control);
    if (auto* list = findChild<QComboBox*>(name))
      list->setCurrentIndex(shown[at]);
    else
      findChild<QCheckBox*>(name)->setChecked(shown[at] != 0);
  }
}

void DetailsWindow::copy() { QGuiApplication::clipboard()->setText(QString::fromStdString(plainText_)); }

void DetailsWindow::showTexts(const std::vector<LabelText>& texts) {
  plainText_ = detailsPlainText(texts);
  for (const LabelText& text : texts)
    if (auto* label = findChild<QLabel*>(toQString(text.label)))
      label->setText(QString::fromStdString(text.text));
}

}  // namespace pricewright
