#include "qt_shell/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "qt_shell/widget_builder.h"

namespace pricewright {

std::unique_ptr<QFileDialog> makeFileOpenDialog(QWidget* parent, const FileDialogSettings& settings,
                                                const QString& lastChosen) {
  auto dialog = std::make_unique<QFileDialog>(parent, toQString(settings.title));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  // The description ends in a blank; the pattern in parentheses is what Qt
  // filters by, case-insensitively, and it is not shown.
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  dialog->setNameFilter(toQString(settings.filterDescription) + "(" + toQString(settings.filterPattern) +
                        ")");
  if (QFileInfo(lastChosen).isDir())
    dialog->setDirectory(lastChosen);
  else if (!lastChosen.isEmpty())
    dialog->selectFile(lastChosen);
  return dialog;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, const QString& title,
                                            MessageIcon icon) {
  return std::make_unique<QMessageBox>(icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                    : QMessageBox::NoIcon,
                                       title, text, QMessageBox::Ok, parent);
}

std::optional<QString> ModalDialogs::openFileName(QWidget* parent, const FileDialogSettings& settings,
                                                  const QString& lastChosen) {
  const std::unique_ptr<QFileDialog> dialog = makeFileOpenDialog(parent, settings, lastChosen);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().constFirst();
}

void ModalDialogs::message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
  makeMessageBox(parent, text, title, icon)->exec();
}

}  // namespace pricewright
