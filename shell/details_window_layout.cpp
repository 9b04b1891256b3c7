#include "shell/details_window_layout.h"

#include <algorithm>
#include <array>

namespace pricewright {

namespace {
using enum ControlKind;

// The open file on top; eleven rows of the table fit the columns; the shop lines and the note wrap; where to
// buy has the settings of the shops' odds above its text, which wraps.
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    // name            kind           caption                  Left  Top   Width Height Tab  text    back
    {cmdClose,          Button,        "Close",                 3930, 9360, 1260, 345,   0,  kStandardColour, kStandardColour},
    {lblGameFile,       WrappingLabel, "",                      240,  240,  7140, 195,   1,  kWhite, kBlack},
    {"Label1",          Label,         "Term",                  240,  540,  1905, 195,   2,  kWhite, kBlack},
    {"Label2",          Label,         "By the boxes",          2160, 540,  2025, 195,   3,  kWhite, kBlack},
    {"Label3",          Label,         "By the game",           4200, 540,  2025, 195,   4,  kWhite, kBlack},
    {lblTerms,          WrappingLabel, "",                      240,  840,  1905, 2280,  5,  kWhite, kBlack},
    {lblBoxes,          WrappingLabel, "",                      2160, 840,  2025, 2280,  6,  kWhite, kBlack},
    {lblGame,           WrappingLabel, "",                      4200, 840,  2025, 2280,  7,  kWhite, kBlack},
    {lblDiffers,        WrappingLabel, "",                      6240, 840,  1140, 2280,  8,  kWhite, kBlack},
    {lblShops,          WrappingLabel, "",                      240,  3240, 7140, 1080,  9,  kWhite, kBlack},
    {lblNote,           WrappingLabel, "",                      240,  4380, 7140, 960,   10, kWhite, kBlack},
    {"Label4",          Label,         "Where to buy",          240,  5460, 1905, 195,   11, kWhite, kBlack},
    {"Label5",          Label,         "Character level",       240,  5820, 1305, 195,   12, kWhite, kBlack},
    {cboCharacterLevel, PickList,      "",                      1560, 5760, 720,  315,   13, kStandardColour, kStandardColour},
    {"Label6",          Label,         "Deepest dungeon level", 2460, 5820, 2025, 195,   14, kWhite, kBlack},
    {cboDungeonLevel,   PickList,      "",                      4500, 5760, 720,  315,   15, kStandardColour, kStandardColour},
    {chkMultiplayer,    CheckBox,      "Multiplayer",           5460, 5790, 1920, 255,   16, kWhite, kBlack},
    {lblWhereToBuy,     WrappingLabel, "",                      240,  6240, 7140, 3000,  17, kWhite, kBlack},
    {cmdCopy,           Button,        "Copy",                  2430, 9360, 1260, 345,   18, kStandardColour, kStandardColour},
});

// What a screen reader says of each control that takes the focus.
constexpr std::array kAccessibleTexts = std::to_array<AccessibleText>({
    // control          name                     description
    {cmdClose,          "Close",                 ""},
    {cboCharacterLevel, "Character level",       "The level of the character who shops"},
    {cboDungeonLevel,   "Deepest dungeon level", "The deepest dungeon level visited: in single player the shops' level follows it"},
    {chkMultiplayer,    "Multiplayer",           "The shops follow the multiplayer rules"},
    {cmdCopy,           "Copy",                  "Puts the whole text on the clipboard"},
});
// clang-format on
}  // namespace

const WindowSpec kDetailsWindow{"frmDetails", "Price Details", 7620, 9840, kBlack};

std::span<const ControlSpec> detailsWindowControls() { return kControls; }
std::span<const AccessibleText> detailsWindowAccessibleTexts() { return kAccessibleTexts; }

std::array<int, 3> choicesShown(const ShopSettings& settings) {
  std::array<int, 3> shown{};
  for (std::size_t choice = 0; choice < kShopChoices.size(); ++choice) {
    const ShopChoice& at = kShopChoices[choice];
    shown[choice] = at.level ? settings.*at.level - at.lowest : settings.players == Players::Multi;
  }
  return shown;
}

ShopSettings choicePicked(ShopSettings settings, std::string_view control, int shown) {
  const auto* const at = std::ranges::find(kShopChoices, control, &ShopChoice::control);
  if (at == kShopChoices.end() || shown < 0 || shown > at->highest - at->lowest) return settings;
  if (at->level)
    settings.*at->level = at->lowest + shown;
  else
    settings.players = shown ? Players::Multi : Players::Single;
  return settings;
}

}  // namespace pricewright
