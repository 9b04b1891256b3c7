#include "shell/session.h"

#include "gamedata/error.h"
#include "gamedata/file_open.h"
#include "pricing/plain_item_reset.h"
#include "pricing/range_hints.h"

namespace pricewright {

template <typename Operation> void Session::run(Operation operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    // Unlike the classic run-time error, this one does not end the program: a
    // typo in a value box must not cost the player the loaded file.
    window_.showMessage(error.what(), "Error", MessageIcon::Warning);
  }
}

void Session::open() {
  run([this] { fileOpen(executable_, window_); });
}

void Session::openFile(const std::string& path) {
  run([this, &path] { fileOpenNamed(executable_, window_, path); });
}

void Session::picked(ListBox list) {
  run([this, list] { listPicked(list, executable_, window_); });
}

void Session::normalItemOnlyClicked() {
  run([this] { plainItemChosen(window_); });
}

void Session::getCostsPressed() {
  run([this] { pressGetCosts(executable_, window_, lastPress_); });
}

}  // namespace pricewright
