#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "shell/layout_table.h"
#include "shell/session.h"
#include "shell/settings_store.h"
#include "win32_shell/side_window.h"
#include "window_interface/window.h"

namespace pricewright {

// The main window: builds its controls and menus from the shared tables,
// forwards each event to the session, and is the operations' view of the
// window. With `settings` it keeps the recent files and its place there.
class MainWindow final : public Window {
public:
  static void registerClass(HINSTANCE instance);

  explicit MainWindow(SettingsStore* settings = nullptr);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  // Start-up: shows the window where it was last, else centred on the
  // screen, the focus in the first list.
  void show();
  // Start-up: opens the file `named` on the command line, else the one last opened.
  void openAtStart(const std::optional<std::wstring>& named);
  // The menus' shortcuts and the Details window's Ctrl+C, for the message loop.
  bool translateShortcut(MSG& message) const;
  // Opens `path` as File > Open would: a file dropped on the window.
  void openFile(const std::wstring& path);

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

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

private:
  void run(MenuCommand command);
  void controlNotified(HWND control, int code);
  // Opens the side window `side` holds, or brings the open one to the front.
  void showSide(std::unique_ptr<SideWindow>& side, const SideWindowLayout& layout,
                SideWindow::ChoicePicked picked = {});
  // Opens the About window, or brings the open one to the front.
  void showAbout();
  // Opens the Details window, or brings the open one to the front.
  void showDetails();
  // After every event: the Details window, when open, and the recent files.
  void sessionChanged();
  // Ends the program at once: closes the file and both windows.
  void exitProgram();
  HWND control(std::string_view name) const;
  // A long price is cut off in its box; its tooltip shows it whole.
  void addPriceTooltips();

  SettingsStore* settings_;
  HWND window_ = nullptr;
  HACCEL shortcuts_ = nullptr;
  Session session_{*this, [this] { sessionChanged(); }, settings_};
  std::wstring chosenFileName_;
  std::wstring tooltipText_;  // the text a price box's tooltip shows now
  // Ownerless, so held here. A closed one is replaced by the next About or Details.
  std::unique_ptr<SideWindow> about_;
  std::unique_ptr<SideWindow> details_;
};

}  // namespace pricewright
