#pragma once

#include <cstddef>

namespace pricewright {

// A control's id is its row in its window's table, a menu item's its row in
// the menu table, so that tests find both from the tables alone. Both stay
// clear of IDOK and IDCANCEL, which Enter and Esc send to a window.
inline constexpr int kFirstControlId = 100;
inline constexpr int kFirstMenuId = 200;
constexpr int controlId(std::size_t row) { return kFirstControlId + static_cast<int>(row); }
constexpr int menuId(std::size_t row) { return kFirstMenuId + static_cast<int>(row); }

// The recent files listed in the File menu, most recent first, above every
// menu row's id.
inline constexpr int kFirstRecentFileId = 300;
constexpr int recentFileId(std::size_t index) { return kFirstRecentFileId + static_cast<int>(index); }

}  // namespace pricewright
