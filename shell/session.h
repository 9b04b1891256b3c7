#pragma once

#include <string>

#include <functional>
#include <optional>

#include "gamedata/open_game.h"
#include "pricing/press.h"
#include "shell/details_text.h"
#include "shell/remembered.h"
#include "shell/window_operations.h"
#include "window_interface/window.h"

namespace pricewright {

// What the main window does, whatever toolkit draws it: it owns the open game
// file and turns each user event into its operation. A run-time error that an
// operation raises is shown in an "Error" box, and the program goes on; the
// operations leave nothing behind that a later event could trip over.
class Session {
public:
  // `changed` runs after every event, for the shell to show the new details
  // and recent files; `settings`, where given, keeps the recent files and the
  // settings of the shops' odds.
  explicit Session(Window& window, std::function<void()> changed = {}, SettingsStore* settings = nullptr)
      : window_(window), changed_(std::move(changed)), settings_(settings), recentFiles_(settings),
        shopSettings_(settings ? rememberedShopSettings(*settings) : ShopSettings{}) {}

  // File > Open (or Ctrl+O). The last press belonged to the file before.
  void open();
  // File > Open with `path` picked without the dialog: a file named at start,
  // dropped on the window or picked from the recent files.
  void openFile(const std::string& path);
  // At start: the file named on the command line, as File > Open would;
  // without one, the file that last opened, if it is still there, and no
  // box should it fail.
  void openAtStart(const std::optional<std::string>& named);
  // The game files last opened, most recent first.
  const RecentFiles& recentFiles() const { return recentFiles_; }
  // An entry picked in `list` by the user; a selection set by the program is
  // no event.
  void picked(ListBox list);
  // "Normal Item Only" clicked, checking or unchecking it.
  void normalItemOnlyClicked();
  // "Get Costs" pressed.
  void getCostsPressed();
  // A setting of the shops' odds changed in the Details window: `control` of
  // kShopChoices now shows `shown`.
  void shopChoicePicked(std::string_view control, int shown);
  // The character level, deepest dungeon level and players the odds are worked out for.
  const ShopSettings& shopSettings() const { return shopSettings_; }

  // File > Exit: the game file is closed before the windows go.
  void closeFile() { game_.reset(); }
  bool hasOpenFile() const { return game_.has_value(); }
  // The open game file, if any.
  const OpenGame* game() const { return game_ ? &*game_ : nullptr; }
  // What the last "Get Costs" did.
  const PressOutcome& lastPress() const { return lastPress_; }
  // What the Details window shows now: the open file, the last press, and where the picked item is sold.
  std::vector<LabelText> details() const;

private:
  template <typename Operation> void run(Operation operation);

  Window& window_;
  std::function<void()> changed_;
  SettingsStore* settings_;
  RecentFiles recentFiles_;
  ShopSettings shopSettings_;
  std::optional<OpenGame> game_;
  PressOutcome lastPress_;
  // The open game's shops' odds, worked out when the Details window first needs them; gone with the file.
  mutable std::optional<ShopOdds> odds_;
};

}  // namespace pricewright
