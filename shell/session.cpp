#include "shell/session.h"

#include "shell/details_window_layout.h"

namespace pricewright {

template <typename Operation> void Session::run(Operation operation) {
  try {
    operation();
  } catch (const std::exception& error) {
    // Unlike the classic run-time error, this one does not end the program: a
    // typo in a value box must not cost the player the loaded file. Any other
    // failure, never expected, is shown the same way.
    window_.showMessage(error.what(), "Error", MessageIcon::Warning);
  }
  if (changed_) changed_();
}

void Session::open() {
  lastPress_ = {};
  odds_.reset();
  run([this] {
    fileOpen(game_, window_);
    if (game_) recentFiles_.opened(window_.chosenFileName());
  });
}

void Session::openFile(const std::string& path) {
  lastPress_ = {};
  odds_.reset();
  run([this, &path] {
    fileOpenNamed(game_, window_, path);
    recentFiles_.opened(path);
  });
}

void Session::openAtStart(const std::optional<std::string>& named) {
  if (named) return openFile(*named);
  if (const std::optional<std::string> last = recentFiles_.startFile()) {
    try {
      fileOpenNamed(game_, window_, *last);
    } catch (const std::exception&) {
      // The lists stay empty, as at any start without a file.
    }
  }
  if (changed_) changed_();
}

void Session::picked(ListBox list) {
  run([this, list] { listPicked(list, game_, window_); });
}

void Session::normalItemOnlyClicked() {
  run([this] { plainItemChosen(window_); });
}

std::vector<LabelText> Session::details() const {
  return detailsText(lastPress_, game(), pickedItem(window_), shopSettings_, [this]() -> ShopOdds& {
    if (!odds_) odds_.emplace(shopTables(game_->records()));
    return *odds_;
  });
}

void Session::shopChoicePicked(std::string_view control, int shown) {
  shopSettings_ = choicePicked(shopSettings_, control, shown);
  if (settings_) rememberShopSettings(*settings_, shopSettings_);
  if (changed_) changed_();
}

void Session::getCostsPressed() {
  run([this] { pressGetCosts(game_, window_, lastPress_); });
}

}  // namespace pricewright
