#pragma once

#include <optional>
#include <string>

#include "gamedata/open_game.h"
#include "pricing/picked_item.h"
#include "pricing/press.h"
#include "window_interface/window.h"

namespace pricewright {

// The main window's operations, whatever toolkit draws it: each reads the
// controls through the Window, leaves the work to the core, and writes back
// what the core made of it.

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

// An entry picked in `list`. A prefix, suffix or spell writes its value range
// into the box beside the list, read afresh from the open game; with no
// selection, or no file, the box is emptied. A base item shows nothing.
void listPicked(const ListBox& list, const std::optional<OpenGame>& game, Window& window);

// "Normal Item Only" clicked, checking or unchecking: clears the affix and spell
// selections and all six boxes; the base item keeps its selection.
void plainItemChosen(Window& window);

// The item as the window describes it.
PickedItem pickedItem(const Window& window);

// "Get Costs": presses for what the window describes, shows what the press
// shows, and raises its error after; `outcome` keeps it all.
void pressGetCosts(const std::optional<OpenGame>& game, Window& window, PressOutcome& outcome);

}  // namespace pricewright
