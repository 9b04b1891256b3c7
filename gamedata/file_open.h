#pragma once

#include <optional>
#include <string>

#include "gamedata/open_game.h"
#include "window_interface/window.h"

namespace pricewright {

inline constexpr FileDialogSettings kOpenDialogSettings{"Open a Diablo executable for item pricing...",
                                                        "Executable Files ", "*.exe"};

// File > Open: closes the open game, shows the file-open dialog, opens the
// chosen file, tells what it is and refills the four lists, one entry per
// record, so that a list's index is its record's index. A cancel after an
// earlier pick reloads that file. On failure it raises a RuntimeError naming
// the file, table and record, and leaves no file open and all four lists empty.
void fileOpen(std::optional<OpenGame>& game, Window& window);

// File > Open with `path` picked in place of the dialog: `path` becomes the
// chosen file name, and the rest is as above.
void fileOpenNamed(std::optional<OpenGame>& game, Window& window, const std::string& path);

}  // namespace pricewright
