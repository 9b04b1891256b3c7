#include "shell/remembered.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/case_table.h"
#include "tests/support/map_settings.h"

using namespace pricewright;

// Whatever the settings hold, what Pricewright makes of it is sensible and never an error.
TEST(Remembered, TakesWhatIsSensibleFromTheSettingsAndIgnoresTheRest) {
  tests::forEachCase("shell/remembered.txt", [](const std::string& input, const std::string& expected,
                                                const std::string& line) {
    tests::MapSettings settings;
    std::istringstream pairs(input.substr(0, input.find(';')));
    for (std::string pair; std::getline(pairs, pair, '|');)
      settings.values[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
    RecentFiles recent(&settings);
    if (const auto at = input.find("; opened "); at != std::string::npos) {
      std::istringstream opened(input.substr(at + 9));
      for (std::string path; opened >> path;) recent.opened(path);
    }
    std::string shown;
    const RecentFiles reread(&settings);  // as the next start finds them
    for (const std::string& path : reread.paths()) shown += (shown.empty() ? "" : ", ") + path;
    shown = (shown.empty() ? "-" : shown) + " | ";
    const std::array<PixelRect, 2> screens{{{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}}};
    if (const std::optional<PixelRect> place = rememberedPlace(settings)) {
      const PixelRect kept = placeOnScreens({place->left, place->top, 656, 220}, screens);
      shown += std::to_string(kept.left) + "," + std::to_string(kept.top);
    } else {
      shown += "as today";
    }
    const ShopSettings shop = rememberedShopSettings(settings);
    shown += " | levels " + std::to_string(shop.characterLevel) + " " + std::to_string(shop.deepestLevel) +
             (shop.players == Players::Multi ? " multi" : " single");
    EXPECT_EQ(shown, expected) << line;
  });
}

TEST(Remembered, ListsRecentFilesShortenedInTheMiddle) {
  EXPECT_EQ(recentFileCaption(0, "C:\\Games\\Diablo\\DIABLO.EXE"), "1 C:\\Games\\Diablo\\DIABLO.EXE");
  EXPECT_EQ(recentFileCaption(
                3, "C:\\Users\\Someone\\AppData\\Local\\Programs\\GOG Galaxy\\Games\\Diablo\\DIABLO.EXE"),
            "4 C:\\Users\\...\\Programs\\GOG Galaxy\\Games\\Diablo\\DIABLO.EXE");
  EXPECT_EQ(recentFileCaption(0, "C:\\ÆÆÆÆÆÆÆÆÆÆÆÆÆÆÆÆÆÆ\\Hellfire 1.09\\DIABLO.EXE"),
            "1 C:\\ÆÆÆÆÆÆÆÆ...\\Hellfire 1.09\\DIABLO.EXE");
}
