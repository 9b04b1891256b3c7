#include "win32_shell/window_builder.h"

#include <uxtheme.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/remembered.h"
#include "win32_shell/command_ids.h"
#include "win32_shell/control_fonts.h"
#include "win32_shell/wide_text.h"

namespace pricewright {

namespace {
constexpr int kIconResource = 1;  // assets/pricewright.rc
// How far a drop-down list drops, about ten entries.
constexpr int kDroppedListTwips = 2400;

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle = 0;
};

ControlClass controlClass(ControlKind kind) {
  switch (kind) {
  case ControlKind::Label: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX};
  case ControlKind::WrappingLabel: return {L"STATIC", SS_LEFT | SS_NOPREFIX};
  // Typed text never becomes an entry, and entries keep the order in which
  // they were added, so an entry's index stays its record's index.
  case ControlKind::List: return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
  case ControlKind::PickList: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
  case ControlKind::TextBox: return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
  case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
  case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
  case ControlKind::Picture: return {L"STATIC", SS_ICON};
  }
  throw std::logic_error("unknown control kind");
}

// A static control does not free the icon it shows.
void setIcon(HWND picture, HICON icon) {
  if (auto previous =
          reinterpret_cast<HICON>(SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0)))
    DestroyIcon(previous);
}

void releaseIcons(HWND parent, std::span<const ControlSpec> controls) {
  for (std::size_t row = 0; row < controls.size(); ++row)
    if (controls[row].kind == ControlKind::Picture) setIcon(GetDlgItem(parent, controlId(row)), nullptr);
}

// Menu text marks an access key with '&'; a path's own are doubled.
std::wstring menuText(std::string_view text) {
  std::wstring escaped;
  for (const wchar_t c : toWide(text)) escaped += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
  return escaped;
}

// Appends the items of the menu `menu` to `items`: its rows of the table, and
// the recent files, set apart by separators, where the table marks their place.
void appendItems(HMENU items, std::span<const MenuSpec> menus, std::string_view menu,
                 std::span<const std::string> recentFiles) {
  for (std::size_t row = 0; row < menus.size(); ++row) {
    const MenuSpec& item = menus[row];
    if (item.menu != menu) continue;
    if (item.command == MenuCommand::RecentFiles) {
      if (recentFiles.empty()) continue;
      AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
      for (std::size_t index = 0; index < recentFiles.size(); ++index)
        AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(recentFileId(index)),
                    menuText(recentFileCaption(index, recentFiles[index])).c_str());
      AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string caption = item.shortcut.empty()
                                    ? std::string(item.caption)
                                    : std::string(item.caption) + "\t" + std::string(item.shortcut);
    AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(menuId(row)), menuText(caption).c_str());
  }
}

COLORREF colourRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

HBRUSH solidBrush(Rgb colour) {
  // Few colours, each brush kept for the life of the program.
  static std::map<COLORREF, HBRUSH> brushes;
  HBRUSH& brush = brushes[colourRef(colour)];
  if (!brush) brush = CreateSolidBrush(colourRef(colour));
  return brush;
}

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

RECT rectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The list's closed height is its selection field's plus its frame: the field
// grows by what the whole lacks.
void fitListHeight(HWND list, int height) {
  const RECT closed = rectOf(list);
  const auto field = SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
               field + height - (closed.bottom - closed.top));
}

// "Ctrl+O" as a virtual key with its modifiers.
ACCEL accelerator(std::string_view shortcut, int command) {
  ACCEL accel{FVIRTKEY, 0, static_cast<WORD>(command)};
  for (std::size_t plus = shortcut.find('+'); plus != std::string_view::npos; plus = shortcut.find('+')) {
    const std::string_view modifier = shortcut.substr(0, plus);
    if (modifier == "Ctrl")
      accel.fVirt |= FCONTROL;
    else if (modifier == "Shift")
      accel.fVirt |= FSHIFT;
    else if (modifier == "Alt")
      accel.fVirt |= FALT;
    else
      throw std::logic_error("unknown modifier in " + std::string(shortcut));
    shortcut.remove_prefix(plus + 1);
  }
  if (shortcut.size() != 1) throw std::logic_error("a shortcut's key is one letter or digit");
  accel.key = static_cast<WORD>(shortcut.front());
  return accel;
}
// Takes the place the system suggests for the new dpi and lays the window out again.
void followDpiChange(HWND window, LPARAM suggestedRect, const WindowSpec& layout,
                     std::span<const ControlSpec> controls) {
  const auto* suggested = reinterpret_cast<const RECT*>(suggestedRect);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  fitClientArea(window, layout);
  placeControls(window, controls);
  InvalidateRect(window, nullptr, TRUE);
}

// The brush and colours for a control with fixed colours.
std::optional<LRESULT> controlColours(HWND parent, std::span<const ControlSpec> controls, HWND control,
                                      HDC dc) {
  const int row = GetDlgCtrlID(control) - kFirstControlId;
  if (GetParent(control) != parent || row < 0 || row >= static_cast<int>(controls.size()))
    return std::nullopt;
  const ControlSpec& entry = controls[static_cast<std::size_t>(row)];
  if (!entry.background) return std::nullopt;
  if (entry.foreground) SetTextColor(dc, colourRef(*entry.foreground));
  SetBkColor(dc, colourRef(*entry.background));
  return reinterpret_cast<LRESULT>(solidBrush(*entry.background));
}

}  // namespace

void registerWindowClass(const WindowSpec& layout, WNDPROC procedure, HINSTANCE module) {
  const std::wstring name = toWide(layout.name);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module;
  windowClass.hIcon = LoadIconW(module, MAKEINTRESOURCEW(kIconResource));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = solidBrush(layout.background);
  windowClass.lpszClassName = name.c_str();
  if (!RegisterClassExW(&windowClass))
    throw std::runtime_error("cannot register " + std::string(layout.name));
}

HWND createTopLevelWindow(const WindowSpec& layout, DWORD style, DWORD exStyle, HMENU menu, void* self) {
  HWND window = CreateWindowExW(exStyle, toWide(layout.name).c_str(), toWide(layout.caption).c_str(), style,
                                CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, menu, instance(), self);
  if (!window) throw std::runtime_error("cannot create " + std::string(layout.name));
  fitClientArea(window, layout);
  return window;
}

void fitClientArea(HWND window, const WindowSpec& layout) {
  const UINT dpi = GetDpiForWindow(window);
  const int width = scaled(layout.clientWidth, dpi);
  const int height = scaled(layout.clientHeight, dpi);
  RECT frame{0, 0, width, height};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                           GetMenu(window) != nullptr,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
  // A menu bar may wrap or measure otherwise than the system reckons: correct
  // by what the client area turned out to be.
  for (int attempt = 0; attempt < 2; ++attempt) {
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window, &client);
    frame.right += width - client.right;
    frame.bottom += height - client.bottom;
  }
}

void centre(HWND window, HWND over) {
  RECT area{};
  if (over) {
    area = rectOf(over);
  } else {
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  const RECT own = rectOf(window);
  SetWindowPos(window, nullptr, (area.left + area.right - (own.right - own.left)) / 2,
               (area.top + area.bottom - (own.bottom - own.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<PixelRect> screenWorkAreas() {
  std::vector<PixelRect> areas;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR screen, HDC, LPRECT, LPARAM found) -> BOOL {
        MONITORINFO info{sizeof info, {}, {}, 0};
        if (!GetMonitorInfoW(screen, &info)) return TRUE;
        auto& areas = *reinterpret_cast<std::vector<PixelRect>*>(found);
        const RECT& work = info.rcWork;
        const PixelRect area{work.left, work.top, work.right - work.left, work.bottom - work.top};
        areas.insert(info.dwFlags & MONITORINFOF_PRIMARY ? areas.begin() : areas.end(), area);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

PixelRect placeOf(HWND window) {
  const RECT rect = rectOf(window);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void moveOnScreen(HWND window, int left, int top) {
  PixelRect place = placeOf(window);
  place.left = left;
  place.top = top;
  place = placeOnScreens(place, screenWorkAreas());
  SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void buildControls(HWND parent, std::span<const ControlSpec> controls) {
  // The tab order is the order of creation, so controls are made in tab order.
  std::vector<std::size_t> inTabOrder(controls.size());
  for (std::size_t row = 0; row < controls.size(); ++row) inTabOrder[row] = row;
  std::ranges::stable_sort(inTabOrder, {}, [&](std::size_t row) { return controls[row].tabIndex; });
  for (const std::size_t row : inTabOrder) {
    const ControlSpec& entry = controls[row];
    const ControlClass kind = controlClass(entry.kind);
    HWND control = CreateWindowExW(
        kind.exStyle, kind.name, toWide(entry.caption).c_str(), kind.style | WS_CHILD | WS_VISIBLE, 0, 0, 0,
        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row))), instance(), nullptr);
    if (!control) throw std::runtime_error("cannot create " + std::string(entry.name));
    // Visual styles draw a check box's caption in the theme's colour, not the
    // one WM_CTLCOLORSTATIC gives, so a coloured one is drawn the classic way.
    if (entry.foreground && entry.kind == ControlKind::CheckBox) SetWindowTheme(control, L"", L"");
  }
  placeControls(parent, controls);
}

HWND controlNamed(HWND parent, std::span<const ControlSpec> controls, std::string_view name) {
  const auto row = std::ranges::find(controls, name, &ControlSpec::name);
  if (row == controls.end()) throw std::logic_error("the window's layout has no " + std::string(name));
  return GetDlgItem(parent, controlId(static_cast<std::size_t>(row - controls.begin())));
}

void placeControls(HWND parent, std::span<const ControlSpec> controls) {
  const UINT dpi = GetDpiForWindow(parent);
  for (std::size_t row = 0; row < controls.size(); ++row) {
    const ControlSpec& entry = controls[row];
    HWND control = GetDlgItem(parent, controlId(row));
    const int width = scaled(entry.width, dpi);
    const int height = scaled(entry.height, dpi);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont(entry.weight, dpi)), FALSE);
    // The icon drawn at this size is ours to free, as the one it replaces.
    if (entry.kind == ControlKind::Picture)
      setIcon(control, static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                     width, height, 0)));
    const bool list = entry.kind == ControlKind::List || entry.kind == ControlKind::PickList;
    const int dropped = list ? scaled(kDroppedListTwips, dpi) : 0;
    MoveWindow(control, scaled(entry.left, dpi), scaled(entry.top, dpi), width, height + dropped, TRUE);
    if (list) fitListHeight(control, height);
  }
}

std::optional<LRESULT> layoutMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     const WindowSpec& layout, std::span<const ControlSpec> controls) {
  switch (message) {
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN:
    return controlColours(window, controls, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
  case WM_DPICHANGED: followDpiChange(window, lParam, layout, controls); return 0;
  case WM_DESTROY:
    // Seen, not handled: the window's own handling goes on.
    releaseIcons(window, controls);
    return std::nullopt;
  default: return std::nullopt;
  }
}

void drawLines(HWND window, HDC dc, std::span<const LineSpec> lines) {
  const UINT dpi = GetDpiForWindow(window);
  for (const LineSpec& line : lines) {
    const LOGBRUSH brush{BS_SOLID, colourRef(line.colour), 0};
    const auto width = static_cast<DWORD>(std::max(1, scaled(line.pixelWidth * kTwipsPerPixel, dpi)));
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &brush, 0, nullptr);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, scaled(line.x1, dpi), scaled(line.y1, dpi), nullptr);
    LineTo(dc, scaled(line.x2, dpi), scaled(line.y2, dpi));
    SelectObject(dc, previous);
    DeleteObject(pen);
  }
}

HMENU buildMenuBar(std::span<const MenuSpec> menus) {
  if (menuId(menus.size()) > kFirstRecentFileId)
    throw std::logic_error("menu ids reach the recent files' ids");
  HMENU bar = CreateMenu();
  for (std::size_t row = 0; row < menus.size(); ++row) {
    const MenuSpec& entry = menus[row];
    if (!entry.menu.empty()) continue;
    // A menu-bar entry without items of its own is a command.
    if (std::ranges::none_of(menus, [&](const MenuSpec& item) { return item.menu == entry.name; })) {
      AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(menuId(row)), menuText(entry.caption).c_str());
      continue;
    }
    HMENU items = CreatePopupMenu();
    appendItems(items, menus, entry.name, {});
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), menuText(entry.caption).c_str());
  }
  return bar;
}

void listRecentFiles(HMENU bar, std::span<const MenuSpec> menus, std::span<const std::string> paths) {
  // Every menu is made again from the table; only the recent files change.
  int position = 0;
  for (const MenuSpec& entry : menus) {
    if (!entry.menu.empty()) continue;
    if (HMENU items = GetSubMenu(bar, position++)) {
      while (GetMenuItemCount(items) > 0) DeleteMenu(items, 0, MF_BYPOSITION);
      appendItems(items, menus, entry.name, paths);
    }
  }
}

HACCEL buildAccelerators(std::span<const MenuSpec> menus) {
  std::vector<ACCEL> accelerators;
  for (std::size_t row = 0; row < menus.size(); ++row)
    if (!menus[row].shortcut.empty()) accelerators.push_back(accelerator(menus[row].shortcut, menuId(row)));
  return CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

}  // namespace pricewright
