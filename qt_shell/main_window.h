#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "qt_shell/about_window.h"
#include "qt_shell/details_window.h"
#include "qt_shell/dialogs.h"
#include "shell/layout_table.h"
#include "shell/session.h"
#include "shell/settings_store.h"
#include "window_interface/window.h"

namespace pricewright {

// The main window: builds its widgets from the shared tables, forwards each
// event to the session, and is the operations' view of the window.
class MainWindow : public QMainWindow, public Window {
  Q_OBJECT

public:
  // `settings`, where given, keep the recent files and the window's place between runs.
  explicit MainWindow(Dialogs& dialogs, SettingsStore* settings = nullptr);
  ~MainWindow() override;

  // Start-up: shows the window where it was last, kept on a screen, or
  // centred on the screen the first time; the focus in the first list.
  void showAtStart();
  // Then opens the file named on the command line, or else the one last opened.
  void openAtStart(const std::optional<QString>& named);
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
  // The window's place is remembered for the next start.
  void closeEvent(QCloseEvent* event) override;
  // An .exe dropped on the window opens as File > Open would.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void wireEvents();
  // After every event: the Details window, when open, and the recent files.
  void sessionChanged();
  void refreshDetails();
  void refreshRecentFiles();
  void rememberPlace();
  void run(MenuCommand command);
  // The control of the main window's layout named `name`.
  template <typename Control> Control& control(std::string_view name) const;

  Dialogs& dialogs_;
  SettingsStore* settings_;
  Session session_{*this, [this] { sessionChanged(); }, settings_};
  std::vector<QAction*> recentFiles_;  // owned by the File menu
  QString chosenFileName_;
  // Ownerless, so held here. A closed one is replaced by the next About.
  std::unique_ptr<AboutWindow> about_;
  std::unique_ptr<DetailsWindow> details_;
};

}  // namespace pricewright
