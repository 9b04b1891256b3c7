#include "shell/details_window_layout.h"

#include <array>

namespace pricewright {

namespace {
using enum ControlKind;

// Eleven rows of the table fit the columns; the shop lines and the note wrap.
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    // name      kind           caption            Left  Top   Width Height Tab  text    back
    {cmdClose,   Button,        "Close",           3180, 5160, 1260, 345,   0,  kStandardColour, kStandardColour},
    {"Label1",   Label,         "Term",            240,  240,  1905, 195,   1,  kWhite, kBlack},
    {"Label2",   Label,         "By the boxes",    2160, 240,  2025, 195,   2,  kWhite, kBlack},
    {"Label3",   Label,         "By the game",     4200, 240,  2025, 195,   3,  kWhite, kBlack},
    {lblTerms,   WrappingLabel, "",                240,  540,  1905, 2280,  4,  kWhite, kBlack},
    {lblBoxes,   WrappingLabel, "",                2160, 540,  2025, 2280,  5,  kWhite, kBlack},
    {lblGame,    WrappingLabel, "",                4200, 540,  2025, 2280,  6,  kWhite, kBlack},
    {lblDiffers, WrappingLabel, "",                6240, 540,  1140, 2280,  7,  kWhite, kBlack},
    {lblShops,   WrappingLabel, "",                240,  2940, 7140, 1080,  8,  kWhite, kBlack},
    {lblNote,    WrappingLabel, "",                240,  4080, 7140, 960,   9,  kWhite, kBlack},
});
// clang-format on
}  // namespace

const WindowSpec kDetailsWindow{"frmDetails", "Price Details", 7620, 5640, kBlack};

std::span<const ControlSpec> detailsWindowControls() { return kControls; }

}  // namespace pricewright
