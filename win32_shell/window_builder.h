#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/layout_table.h"
#include "shell/remembered.h"

namespace pricewright {

// The one thin layer between the layout tables and Win32, as the Qt shell's
// widget builder is for Qt. Sizes in twips become the nearest pixels at the
// window's dpi: a label 195 twips high is 19.5 pixels at 144 dpi, and MS Sans
// Serif's cell there is 20.
constexpr int scaled(int twips, UINT dpi) {
  return (twips * static_cast<int>(dpi) + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Registers the window class named after `layout`, with its background.
void registerWindowClass(const WindowSpec& layout, WNDPROC procedure, HINSTANCE instance);

// Creates the top-level window of `layout` hidden, passing `self` to its
// procedure's WM_NCCREATE, at its size for its dpi.
HWND createTopLevelWindow(const WindowSpec& layout, DWORD style, DWORD exStyle, HMENU menu, void* self);

// Sizes `window` so that its client area, below any menu bar, is the layout's.
void fitClientArea(HWND window, const WindowSpec& layout);

// Centres `window` on `over`, or on the work area of its monitor.
void centre(HWND window, HWND over = nullptr);

// The work areas of the screens, the primary screen's first.
std::vector<PixelRect> screenWorkAreas();
// Where `window` is on the desktop, frame included.
PixelRect placeOf(HWND window);
// Moves `window` to `left`, `top`, or where its title bar shows should that
// place be off every screen.
void moveOnScreen(HWND window, int left, int top);

// Creates the controls as children of `parent` in tab order, each with the id
// of its row, then places them.
void buildControls(HWND parent, std::span<const ControlSpec> controls);

// The control of `controls` named `name`.
HWND controlNamed(HWND parent, std::span<const ControlSpec> controls, std::string_view name);

// Puts every control in its place and font for the parent's current dpi;
// again after a dpi change.
void placeControls(HWND parent, std::span<const ControlSpec> controls);

// The messages that follow from the layout alone: the fixed colours of the
// controls (WM_CTLCOLOR*) and a new dpi (WM_DPICHANGED), after which the
// window takes the place the system suggests and is laid out again; on
// WM_DESTROY it frees the pictures' icons and answers nothing, as for other
// messages.
std::optional<LRESULT> layoutMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     const WindowSpec& layout, std::span<const ControlSpec> controls);

// Draws the lines, later ones on top.
void drawLines(HWND window, HDC dc, std::span<const LineSpec> lines);

// The menu bar and the accelerator table of the menu table's shortcuts. The
// bar lists no recent files until listRecentFiles.
HMENU buildMenuBar(std::span<const MenuSpec> menus);
HACCEL buildAccelerators(std::span<const MenuSpec> menus);
// Lists `paths` where the menu table marks the recent files, in place of
// those listed before, each with its recentFileId.
void listRecentFiles(HMENU bar, std::span<const MenuSpec> menus, std::span<const std::string> paths);

}  // namespace pricewright
