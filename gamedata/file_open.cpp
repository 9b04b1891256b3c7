#include "gamedata/file_open.h"

#include <string>

#include "gamedata/error.h"
#include "gamedata/game_file_layout.h"
#include "gamedata/table_snapshot.h"

namespace pricewright {

namespace {
void clearLists(Window& window) {
  for (const TableLayout* table : kTables) window.clearList(table->list);
}

void fillLists(const GameExecutable& executable, Window& window) {
  const TableSnapshot tables(executable);
  for (const TableLayout* table : kTables) {
    for (ListIndex index = 0; index < table->recordCount; ++index) {
      try {
        window.appendEntry(table->list, tables.entryText(*table, index));
      } catch (const RuntimeError& error) {
        throw RuntimeError(error.number(), "Loading \"" + executable.path() + "\" stopped at " +
                                               std::string(table->name) + " record " + std::to_string(index) +
                                               ". " + error.whatFailed());
      }
    }
  }
}

void loadChosenFile(OpenExecutable& executable, Window& window) {
  const std::string path = window.chosenFileName();
  if (path.empty()) return;
  try {
    executable.emplace(path);
    clearLists(window);
    fillLists(*executable, window);
  } catch (const RuntimeError&) {
    // Lists are only ever filled while a file is open, so a failed load leaves
    // neither a file nor entries that a later selection could read through.
    executable.reset();
    clearLists(window);
    throw;
  }
}
}  // namespace

void fileOpen(OpenExecutable& executable, Window& window) {
  executable.reset();
  window.showFileOpenDialog(kOpenDialogSettings);
  loadChosenFile(executable, window);
}

void fileOpenNamed(OpenExecutable& executable, Window& window, const std::string& path) {
  executable.reset();
  window.setChosenFileName(path);
  loadChosenFile(executable, window);
}

}  // namespace pricewright
