#include "shell/about_window_layout.h"

#include <array>

#include "pricewright_version.h"

namespace pricewright {

namespace {
using enum ControlKind;

constexpr std::string_view kTitle =
    "Marten Holloway's Pricewright " PRICEWRIGHT_VERSION " (v1.07, v1.09 and mods)";
constexpr std::string_view kDescription =
    "See the \"readme.txt\" file for application notes and how to use this program.";
constexpr std::string_view kDisclaimer = "This program was written by Marten Holloway, alias Greyhorn, on "
                                         "6 December 2026. Visit https://greyhorn.example.org for future "
                                         "product updates or creations.";
constexpr std::string_view kThanks =
    "Thanks to Ida Brandt for helping me learn enough programming to write a program on my own :-)";

// The labels are fixed in size and wrap; only OK uses the regular weight.
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    // name           kind           caption       Left  Top   Width Height Tab text    back
    {"cmdOK",          Button,        "OK",         2040, 3000, 1260, 345,   0,  kStandardColour, kStandardColour,
                                                                                 FontWeight::Regular},
    {"picIcon",        Picture,       "",           360,  360,  480,  480,   1,  kStandardColour, kBlack},
    {"lblDescription", WrappingLabel, kDescription, 1050, 1080, 3885, 450,   2,  kWhite, kBlack},
    {"lblDisclaimer",  WrappingLabel, kDisclaimer,  360,  1680, 5190, 585,   3,  kWhite, kBlack},
    {"lblTitle",       WrappingLabel, kTitle,       1320, 240,  3075, 675,   4,  kWhite, kBlack},
    {"Label1",         WrappingLabel, kThanks,      360,  2400, 5055, 495,   5,  kWhite, kBlack},
});

// One rule across the window: a 2-pixel white line under a 1-pixel grey one.
constexpr std::array kLines = std::to_array<LineSpec>({
    // name   index  x1   y1    x2    y2    colour  pixel width
    {"Line1", 0,     120, 1560, 5669, 1560, kWhite, 2},
    {"Line1", 1,     90,  1560, 5654, 1560, kGrey,  1},
});
// clang-format on
}  // namespace

const WindowSpec kAboutWindow{"frmAbout", "About..", 5790, 3495, kBlack};

std::span<const ControlSpec> aboutWindowControls() { return kControls; }
std::span<const LineSpec> aboutWindowLines() { return kLines; }

}  // namespace pricewright
