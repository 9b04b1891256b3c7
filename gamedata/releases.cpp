#include "gamedata/releases.h"

#include <algorithm>
#include <array>

#include "gamedata/game_layouts.h"

namespace pricewright {

namespace {
// clang-format off
constexpr std::array kReleases = std::to_array<Release>({
    // name                  shown                                 MD5                                 layout       game
    {"1.00",                 "Diablo 1.00",                        "6f0c02aaf2b29b1c17947ae15f4b82ee", nullptr},
    {"1.02",                 "Diablo 1.02",                        "040c81eb1666d66bd900351cb01de10e", nullptr},
    {"1.03",                 "Diablo 1.03",                        "378ff4fe861032702520bce313c1650c", nullptr},
    {"1.04",                 "Diablo 1.04",                        "907201801202d7a21d47e8bdab31ac26", nullptr},
    {"1.05",                 "Diablo 1.05",                        "a353e8ebced6054b4d25d6dd821bd00f", nullptr},
    {"1.07",                 "Diablo 1.07",                        "6d86757a5ef2ab91d32c7e01478d4c8f", &kDiablo107},
    {"1.08",                 "Diablo 1.08",                        "8c5859e70e16849512c84af3d76e26ee", nullptr},
    {"1.09",                 "Diablo 1.09",                        "0d1a2b10f8b7fc1a388109bd8abf05d1", &kDiablo109},
    {"1.09b",                "Diablo 1.09b",                       "da62d5cd8bd71a0b66e6d4ef7a111233", &kDiablo109},
    {"GOG",                  "Diablo 1.09 (GOG)",                  "2b5cdb5e0caf5dc43c8fa6fa4d6255b5", &kDiablo109},
    {"GOG, DirectX build",   "Diablo 1.09 (GOG, DirectX build)",   "45e2fa049b1796c6f0e62cc11568571a", &kDiablo109},
    // Its MD5 goes here once known; until then its tables alone name it.
    {"Hellfire",             "Hellfire",                           "",                                 nullptr,     Game::Hellfire},
});
// clang-format on
}  // namespace

std::span<const Release> releases() { return kReleases; }

const Release* releaseWithMd5(std::string_view md5) {
  if (md5.empty()) return nullptr;  // a release whose MD5 is not known yet has none
  const auto* const found = std::ranges::find(kReleases, md5, &Release::md5);
  return found == kReleases.end() ? nullptr : found;
}

const Release& hellfireRelease() { return *std::ranges::find(kReleases, Game::Hellfire, &Release::game); }

}  // namespace pricewright
