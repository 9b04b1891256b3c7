#include "shell/remembered.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "gamedata/name_text.h"

namespace pricewright {

namespace {
std::string recentKey(std::size_t index) { return "RecentFile" + std::to_string(index + 1); }

std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The whole text as a number from `lowest` to `highest`, else none.
std::optional<int> numberWithin(const std::optional<std::string>& text, int lowest, int highest) {
  int number = 0;
  if (!text) return std::nullopt;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
  if (error != std::errc{} || end != text->data() + text->size() || number < lowest || number > highest)
    return std::nullopt;
  return number;
}

// A place on the desktop.
std::optional<int> placeNumber(const std::optional<std::string>& text) {
  constexpr int kFarthest = 1 << 20;
  return numberWithin(text, -kFarthest, kFarthest);
}

constexpr std::string_view kCharacterLevelKey = "CharacterLevel";
constexpr std::string_view kDeepestLevelKey = "DeepestDungeonLevel";
constexpr std::string_view kMultiplayerKey = "Multiplayer";

constexpr std::size_t kLongestCaption = 60;
// The part of the title bar that must show for the player to reach the window.
constexpr int kTitleBarHeight = 20;
constexpr int kTitleBarShown = 40;
}  // namespace

RecentFiles::RecentFiles(SettingsStore* store) : store_(store) {
  if (!store_) return;
  for (std::size_t index = 0; index < kMost; ++index) {
    const std::optional<std::string> path = store_->value(recentKey(index));
    if (path && !path->empty() && std::ranges::find(paths_, *path) == paths_.end()) paths_.push_back(*path);
  }
}

void RecentFiles::opened(const std::string& path) {
  std::erase(paths_, path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMost) paths_.resize(kMost);
  if (!store_) return;
  for (std::size_t index = 0; index < kMost; ++index)
    store_->setValue(recentKey(index), index < paths_.size() ? paths_[index] : "");
}

std::optional<std::string> RecentFiles::startFile() const {
  std::error_code error;
  if (paths_.empty() || !std::filesystem::is_regular_file(toPath(paths_.front()), error)) return std::nullopt;
  return paths_.front();
}

std::string RecentFiles::dialogFolder() const {
  if (paths_.empty()) return "";
  const std::u8string folder = toPath(paths_.front()).parent_path().u8string();
  return {folder.begin(), folder.end()};
}

std::string recentFileCaption(std::size_t index, const std::string& path) {
  std::string shown = path;
  if (shown.size() > kLongestCaption) {
    // Keep the drive and first folder, and as many whole folders of the end as fit.
    std::size_t head =
        std::min(shown.find_first_of("/\\", shown.find_first_of("/\\") + 1) + 1, std::size_t{20});
    std::size_t tail = shown.size() - (kLongestCaption - head - 3);
    if (const std::size_t separator = shown.find_first_of("/\\", tail); separator != std::string::npos)
      tail = separator;
    // Never inside a character that UTF-8 writes in several bytes.
    while (head > 0 && continuesUtf8Character(shown[head])) --head;
    while (tail < shown.size() && continuesUtf8Character(shown[tail])) ++tail;
    shown.replace(head, tail - head, "...");
  }
  return std::to_string(index + 1) + " " + shown;
}

std::optional<PixelRect> rememberedPlace(const SettingsStore& store) {
  const std::optional<int> left = placeNumber(store.value("WindowLeft"));
  const std::optional<int> top = placeNumber(store.value("WindowTop"));
  if (!left || !top) return std::nullopt;
  return PixelRect{*left, *top, 0, 0};
}

void rememberPlace(SettingsStore& store, const PixelRect& place) {
  store.setValue("WindowLeft", std::to_string(place.left));
  store.setValue("WindowTop", std::to_string(place.top));
}

ShopSettings rememberedShopSettings(const SettingsStore& store) {
  ShopSettings settings;
  settings.characterLevel = numberWithin(store.value(kCharacterLevelKey), 1, kHighestCharacterLevel)
                                .value_or(settings.characterLevel);
  settings.deepestLevel =
      numberWithin(store.value(kDeepestLevelKey), 1, kDeepestDungeonLevel).value_or(settings.deepestLevel);
  if (numberWithin(store.value(kMultiplayerKey), 0, 1) == 1) settings.players = Players::Multi;
  return settings;
}

void rememberShopSettings(SettingsStore& store, const ShopSettings& settings) {
  store.setValue(kCharacterLevelKey, std::to_string(settings.characterLevel));
  store.setValue(kDeepestLevelKey, std::to_string(settings.deepestLevel));
  store.setValue(kMultiplayerKey, settings.players == Players::Multi ? "1" : "0");
}

PixelRect placeOnScreens(const PixelRect& window, std::span<const PixelRect> screens) {
  const auto titleBarOn = [&](const PixelRect& screen) {
    const int shown =
        std::min(window.left + window.width, screen.left + screen.width) - std::max(window.left, screen.left);
    return shown >= std::min(kTitleBarShown, window.width) && window.top >= screen.top &&
           window.top + kTitleBarHeight <= screen.top + screen.height;
  };
  if (screens.empty() || std::ranges::any_of(screens, titleBarOn)) return window;
  const PixelRect& first = screens.front();
  PixelRect moved = window;
  moved.left =
      std::clamp(window.left, first.left, std::max(first.left, first.left + first.width - window.width));
  moved.top =
      std::clamp(window.top, first.top, std::max(first.top, first.top + first.height - window.height));
  return moved;
}

}  // namespace pricewright
