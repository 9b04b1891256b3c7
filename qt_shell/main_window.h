#pragma once

#include <QMainWindow>

#include <memory>
#include <string_view>

#include "qt_shell/about_window.h"
#include "qt_shell/details_window.h"
#include "qt_shell/dialogs.h"
#include "shell/layout_table.h"
#include "shell/session.h"
#include "window_interface/window.h"

namespace pricewright {

// The main window: builds its widgets from the shared tables, forwards each
// event to the session, and is the operations' view of the window.
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
  // Opens the Details window, or brings the open one to the front.
  void showDetails();
  // Opens `path` as File > Open would: a file named at start.
  void openFile(const QString& path);
  // Ends the program at once: closes the file and both windows.
  void exitProgram();

  // The open About window, if any.
  AboutWindow* aboutWindow() const;
  // The open Details window, if any.
  DetailsWindow* detailsWindow() const;
  bool hasOpenExecutable() const { return session_.hasOpenFile(); }

  void clearList(ListBox list) override;
  void appendEntry(ListBox list, const std::string& text) override;
  ListIndex selectedIndex(ListBox list) const override;
  void setSelectedIndex(ListBox list, ListIndex index) override;
  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  std::int16_t chkBaseValue() const override;
  void showFileOpenDialog(const FileDialogSettings& settings) override;
  std::string chosenFileName() const override;
  void setChosenFileName(const std::string& path) override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::string decimalSeparator() const override;

protected:
  // An .exe dropped on the window opens as File > Open would.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void wireEvents();
  // Shows the session's file and last press in the Details window, when open.
  void refreshDetails();
  void run(MenuCommand command);
  // The control of the main window's layout named `name`.
  template <typename Control> Control& control(std::string_view name) const;

  Dialogs& dialogs_;
  Session session_{*this, [this] { refreshDetails(); }};
  QString chosenFileName_;
  // Ownerless, so held here. A closed one is replaced by the next About.
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<DetailsWindow> details_;
};

}  // namespace pricewright
