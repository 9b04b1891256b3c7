#include "shell/main_window_layout.h"

#include <array>

#include "window_interface/controls.h"

namespace pricewright {

namespace {
using enum ControlKind;

// The controls the operations use are named in the window interface.
// Labels are white on black and size themselves to their captions; lists, text
// boxes and the button keep the toolkit's standard colours.
// clang-format off
constexpr std::array kControls = std::to_array<ControlSpec>({
    // name                   kind      caption               Left  Top   Width Height Tab  text    back
    {"Label1",                Label,    "Prefix",             840,  240,  495,  195,  0,    kWhite, kBlack},
    {cboPrefix.name,          List,     "",                   240,  600,  1935, 315,  1},
    {"Label2",                Label,    "Base Item",          3360, 240,  855,  195,  2,    kWhite, kBlack},
    {cboBase.name,            List,     "",                   2280, 600,  3255, 315,  3},
    {"Label3",                Label,    "Suffix",             6240, 240,  495,  195,  4,    kWhite, kBlack},
    {cboSuffix.name,          List,     "",                   5640, 600,  1935, 315,  5},
    {"Label4",                Label,    "Effect Value",       600,  1080, 1065, 195,  6,    kWhite, kBlack},
    {txtPreEff.name,          TextBox,  "",                   480,  1320, 1335, 285,  7},
    {"Label5",                Label,    "Effect Value",       6000, 1080, 1065, 195,  8,    kWhite, kBlack},
    {txtSufEff.name,          TextBox,  "",                   5880, 1320, 1335, 285,  9},
    {"Label6",                Label,    "Cost at Griswold's", 360,  1920, 1530, 195,  10,   kWhite, kBlack},
    {txtCostGris.name,        TextBox,  "",                   480,  2160, 1335, 285,  11},
    {"Label7",                Label,    "Cost at Wirt's",     6000, 1920, 1155, 195,  12,   kWhite, kBlack},
    {txtCostWirt.name,        TextBox,  "",                   5880, 2160, 1335, 285,  13},
    {cmdGet,                  Button,   "Get Costs",          3240, 2040, 1215, 255,  14},
    {chkBase,                 CheckBox, "Normal Item Only",   3000, 1080, 1815, 255,  15,   kWhite, kBlack},
    {"Label8",                Label,    "Spell",              8400, 240,  435,  195,  16,   kWhite, kBlack},
    {cboSpell.name,           List,     "",                   7680, 600,  1935, 315,  17},
    {"Label9",                Label,    "Spell Charges",      8160, 1080, 1185, 195,  18,   kWhite, kBlack},
    {txtCharge.name,          TextBox,  "",                   8040, 1320, 1335, 285,  19},
    {"Label10",               Label,    "Cost at Adria's",    8040, 1920, 1245, 195,  20,   kWhite, kBlack},
    {txtCostAdria.name,       TextBox,  "",                   8040, 2160, 1335, 285,  21},
});
// clang-format on

// No caption carries an access key. The recent files come between Open and Exit.
constexpr std::array kMenus = std::to_array<MenuSpec>({
    {"mnuFile", "File", "", "", MenuCommand::OpensMenu},
    {"mnuOpen", "Open", "mnuFile", "Ctrl+O", MenuCommand::Open},
    {"mnuRecent", "", "mnuFile", "", MenuCommand::RecentFiles},
    {"mnuExit", "Exit", "mnuFile", "Ctrl+E", MenuCommand::Exit},
    {"mnuAbout", "About", "", "", MenuCommand::About},
    {"mnuDetails", "Details", "", "Ctrl+D", MenuCommand::Details},
});

// clang-format off
constexpr std::array kAccessibleTexts = std::to_array<AccessibleText>({
    {cboPrefix.name,                     "Prefix",               ""},
    {cboBase.name,                       "Base Item",            ""},
    {cboSuffix.name,                     "Suffix",               ""},
    {txtPreEff.name,                     "Prefix Effect Value",  ""},
    {txtSufEff.name,                     "Suffix Effect Value",  ""},
    {txtCostGris.name,                   "Cost at Griswold's",   "What Griswold asks for the item, or why he does not sell it"},
    {txtCostWirt.name,                   "Cost at Wirt's",       "What Wirt asks for the item, or why he does not sell it"},
    {cmdGet,                             "Get Costs",            ""},
    {chkBase,                            "Normal Item Only",     ""},
    {cboSpell.name,                      "Spell",                ""},
    {txtCharge.name,                     "Spell Charges",        ""},
    {txtCostAdria.name,                  "Cost at Adria's",      "What Adria asks for the item, or why she does not sell it"},
});
// clang-format on
}  // namespace

const WindowSpec kMainWindow{"frmMain", "Diablo Pricewright", 9840, 2655, kBlack};

std::span<const ControlSpec> mainWindowControls() { return kControls; }
std::span<const MenuSpec> mainWindowMenus() { return kMenus; }
std::span<const AccessibleText> mainWindowAccessibleTexts() { return kAccessibleTexts; }

}  // namespace pricewright
