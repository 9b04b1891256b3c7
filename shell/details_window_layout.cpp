#include "shell/details_window_layout.h"

#include <array>

namespace pricewright {

namespace {
using enum ControlKind;

// The open file on top; eleven rows of the table fit the columns; the shop lines, the note and where to buy
// wrap.
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    // name      kind           caption            Left  Top   Width Height Tab  text    back
    {cmdClose,    Button,        "Close",           3930, 7980, 1260, 345,   0,  kStandardColour, kStandardColour},
    {lblGameFile, WrappingLabel, "",                240,  240,  7140, 195,   1,  kWhite, kBlack},
    {"Label1",    Label,         "Term",            240,  540,  1905, 195,   2,  kWhite, kBlack},
    {"Label2",    Label,         "By the boxes",    2160, 540,  2025, 195,   3,  kWhite, kBlack},
    {"Label3",    Label,         "By the game",     4200, 540,  2025, 195,   4,  kWhite, kBlack},
    {lblTerms,    WrappingLabel, "",                240,  840,  1905, 2280,  5,  kWhite, kBlack},
    {lblBoxes,    WrappingLabel, "",                2160, 840,  2025, 2280,  6,  kWhite, kBlack},
    {lblGame,     WrappingLabel, "",                4200, 840,  2025, 2280,  7,  kWhite, kBlack},
    {lblDiffers,  WrappingLabel, "",                6240, 840,  1140, 2280,  8,  kWhite, kBlack},
    {lblShops,    WrappingLabel, "",                240,  3240, 7140, 1080,  9,  kWhite, kBlack},
    {lblNote,     WrappingLabel, "",                240,  4380, 7140, 960,   10, kWhite, kBlack},
    {"Label4",    Label,         "Where to buy",    240,  5460, 1905, 195,   11, kWhite, kBlack},
    {lblWhereToBuy, WrappingLabel, "",              240,  5760, 7140, 2100,  12, kWhite, kBlack},
    {cmdCopy,     Button,        "Copy",            2430, 7980, 1260, 345,   13, kStandardColour, kStandardColour},
});
// clang-format on
}  // namespace

const WindowSpec kDetailsWindow{"frmDetails", "Price Details", 7620, 8460, kBlack};

std::span<const ControlSpec> detailsWindowControls() { return kControls; }

}  // namespace pricewright
