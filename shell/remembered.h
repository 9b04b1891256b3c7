#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pricing/shop_rules.h"
#include "shell/settings_store.h"

namespace pricewright {

// The game files last opened, most recent first, kept in the settings. Each
// entry opened without an error; none repeats.
class RecentFiles {
public:
  static constexpr std::size_t kMost = 4;

  // Reads the list; entries that are empty or repeat are left out.
  explicit RecentFiles(SettingsStore* store = nullptr);

  const std::vector<std::string>& paths() const { return paths_; }
  // `path` opened: it moves to the front and the list is stored.
  void opened(const std::string& path);

  // The file to open by itself at start: the most recent, if it is still there.
  std::optional<std::string> startFile() const;
  // Where the file dialog starts when nothing is chosen: the most recent file's folder.
  std::string dialogFolder() const;

private:
  SettingsStore* store_;
  std::vector<std::string> paths_;
};

// A recent file as the File menu lists it: "1 C:\Games\Diablo\DIABLO.EXE",
// a long path shortened in the middle, "C:\Games\...\Diablo\DIABLO.EXE".
std::string recentFileCaption(std::size_t index, const std::string& path);

// A window's place and size in pixels, or a screen's work area.
struct PixelRect {
  int left;
  int top;
  int width;
  int height;
};

// Where the main window was last, from the settings; none where nothing sensible is stored.
std::optional<PixelRect> rememberedPlace(const SettingsStore& store);
void rememberPlace(SettingsStore& store, const PixelRect& place);

// Where to put `window`, placed where it was last: there, while its title bar
// lies on one of `screens` (their work areas); else, its screen being gone,
// on the first screen, as near as it fits.
PixelRect placeOnScreens(const PixelRect& window, std::span<const PixelRect> screens);

// What the shops' odds in the Details window are worked out for: the
// character's level, the deepest dungeon level visited, which gives the shop
// level in single player, and single player or multiplayer.
struct ShopSettings {
  int characterLevel = 1;
  int deepestLevel = 1;
  Players players = Players::Single;

  int shopLevel() const { return pricewright::shopLevel(players, characterLevel, deepestLevel); }
  bool operator==(const ShopSettings&) const = default;
};
// The settings last made; a value missing or out of its range keeps its default.
ShopSettings rememberedShopSettings(const SettingsStore& store);
void rememberShopSettings(SettingsStore& store, const ShopSettings& settings);

}  // namespace pricewright
