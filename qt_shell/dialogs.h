#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "window_interface/window.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace pricewright {

// The modal dialogs the main window shows, behind one small interface so that
// tests can answer them without blocking.
class Dialogs {
public:
  virtual ~Dialogs() = default;

  // Shows the file-open dialog, starting at `lastChosen` (a file or a folder) when there is one.
  // Returns the confirmed path, or nothing on a cancel.
  virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& settings,
                                              const QString& lastChosen) = 0;
  // Shows a message box with an OK button and returns when it is closed.
  virtual void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) = 0;
};

// The real dialogs, shown modally.
class ModalDialogs final : public Dialogs {
public:
  std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& settings,
                                      const QString& lastChosen) override;
  void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
};

// The dialogs as ModalDialogs shows them, for inspection before they run.
std::unique_ptr<QFileDialog> makeFileOpenDialog(QWidget* parent, const FileDialogSettings& settings,
                                                const QString& lastChosen);
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, const QString& title,
                                            MessageIcon icon);

}  // namespace pricewright
