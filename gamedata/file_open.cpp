#include "gamedata/file_open.h"

#include "gamedata/error.h"

namespace pricewright {

namespace {
void clearLists(Window& window) {
  for (const ListControl& control : kListControls) window.clearList(control.list);
}

void loadChosenFile(std::optional<OpenGame>& game, Window& window) {
  const std::string path = window.chosenFileName();
  if (path.empty()) return;
  try {
    GameLoad load(path);
    const ListEntries entries = load.listEntries();
    clearLists(window);
    for (const ListControl& control : kListControls)
      for (const std::string& entry : entries[indexOf(control.table)])
        window.appendEntry(control.list, entry);
    game.emplace(std::move(load).open());
  } catch (const RuntimeError&) {
    // Lists are only ever filled while a file is open, so a failed load leaves
    // neither a file nor entries that a later selection could read through.
    game.reset();
    clearLists(window);
    throw;
  }
}
}  // namespace

void fileOpen(std::optional<OpenGame>& game, Window& window) {
  game.reset();
  window.showFileOpenDialog(kOpenDialogSettings);
  loadChosenFile(game, window);
}

void fileOpenNamed(std::optional<OpenGame>& game, Window& window, const std::string& path) {
  game.reset();
  window.setChosenFileName(path);
  loadChosenFile(game, window);
}

}  // namespace pricewright
