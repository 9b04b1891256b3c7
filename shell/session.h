#pragma once

#include <string>

#include <optional>

#include "gamedata/open_game.h"
#include "pricing/press.h"
#include "window_interface/window.h"

namespace pricewright {

// What the main window does, whatever toolkit draws it: it owns the open game
// file and turns each user event into its operation. A run-time error that an
// operation raises is shown in an "Error" box, and the program goes on; the
// operations leave nothing behind that a later event could trip over.
class Session {
public:
  explicit Session(Window& window) : window_(window) {}

  // File > Open (or Ctrl+O). The last press belonged to the file before.
  void open();
  // File > Open with `path` picked without the dialog: a file named at start or dropped on the window.
  void openFile(const std::string& path);
  // An entry picked in `list` by the user; a selection set by the program is
  // no event.
  void picked(ListBox list);
  // "Normal Item Only" clicked, checking or unchecking it.
  void normalItemOnlyClicked();
  // "Get Costs" pressed.
  void getCostsPressed();

  // File > Exit: the game file is closed before the windows go.
  void closeFile() { game_.reset(); }
  bool hasOpenFile() const { return game_.has_value(); }
  // The open game file, if any.
  const OpenGame* game() const { return game_ ? &*game_ : nullptr; }
  // What the last "Get Costs" did, for the Details window.
  const PressOutcome& lastPress() const { return lastPress_; }

private:
  template <typename Operation> void run(Operation operation);

  Window& window_;
  std::optional<OpenGame> game_;
  PressOutcome lastPress_;
};

}  // namespace pricewright
