#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "app/about_window.h"
#include "app/dialogs.h"
#include "gamedata/game_executable.h"
#include "gamedata/window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pricewright {

// The main window: the whole working surface. It carries out the operations'
// view of the window, holds the one open game executable and the chosen file
// name, and runs each operation on its event.
class MainWindow : public QMainWindow, public Window {
  Q_OBJECT

public:
  explicit MainWindow(Dialogs& dialogs);
  ~MainWindow() override;

  // Start-up: shows the window centred on the screen, the focus in the first
  // list.
  void showCentred();
  // Opens the About window, or brings the open one to the front.
  void showAbout();
  // Ends the program at once: closes the file and both windows.
  void exitProgram();

  // The open About window, if any.
  AboutWindow* aboutWindow() const;
  bool hasOpenExecutable() const { return executable_.has_value(); }

  void clearList(ListBox which) override;
  void appendEntry(ListBox which, const std::string& text) override;
  ListIndex selectedIndex(ListBox which) const override;
  void setSelectedIndex(ListBox which, ListIndex index) override;
  std::string text(TextBox which) const override;
  void setText(TextBox which, const std::string& text) override;
  std::int16_t chkBaseValue() const override;
  void showFileOpenDialog(const FileDialogSettings& settings) override;
  std::string chosenFileName() const override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::string decimalSeparator() const override;

private:
  void wireEvents();
  // Runs an operation; a run-time error it raises is shown, and the program
  // goes on.
  void run(const std::function<void()>& operation);

  QComboBox& list(ListBox list) const { return *lists_[static_cast<std::size_t>(list)]; }
  QLineEdit& box(TextBox box) const { return *boxes_[static_cast<std::size_t>(box)]; }

  Dialogs& dialogs_;
  OpenExecutable executable_;
  QString chosenFileName_;
  std::array<QComboBox*, 4> lists_{};
  std::array<QLineEdit*, 6> boxes_{};
  QCheckBox* chkBase_ = nullptr;
  QPushButton* cmdGet_ = nullptr;
  // Ownerless, so held here. A closed one is replaced by the next About.
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace pricewright
