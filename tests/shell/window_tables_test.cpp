#include <gtest/gtest.h>

#include <fstream>

#include "pricewright_version.h"
#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"

using namespace pricewright;

namespace {
std::string words(std::initializer_list<std::string_view> parts) {
  std::string line;
  for (std::string_view part : parts) line += (line.empty() ? "" : " ") + std::string(part);
  return line.substr(0, line.find_last_not_of(' ') + 1);
}
std::string numbers(std::initializer_list<int> all) {
  std::string line;
  for (int each : all) line += (line.empty() ? "" : " ") + std::to_string(each);
  return line;
}
std::string colour(Colour c) {
  return !c ? "std" : *c == kWhite ? "white" : *c == kBlack ? "black" : *c == kGrey ? "grey" : "other";
}
}  // namespace

// The windows as a player sees them, against the design; the shells draw whatever the tables say.
TEST(WindowTables, LayOutBothWindowsAndTheMenusAsDesigned) {
  std::vector<std::string> rows;
  constexpr const char* kKinds[] = {"Label",  "WrappingLabel", "List",   "TextBox",
                                    "Button", "CheckBox",      "Picture"};
  for (const auto& [window, controls] : {std::pair{&kMainWindow, mainWindowControls()},
                                         {&kAboutWindow, aboutWindowControls()},
                                         {&kDetailsWindow, detailsWindowControls()}}) {
    rows.push_back(words({"window", window->name, numbers({window->clientWidth, window->clientHeight}),
                          colour(window->background), window->caption}));
    for (const ControlSpec& c : controls)
      rows.push_back(words({"control", window->name, c.name, kKinds[static_cast<int>(c.kind)],
                            numbers({c.left, c.top, c.width, c.height, c.tabIndex}),
                            colour(c.foreground) + "/" + colour(c.background),
                            c.weight == FontWeight::Bold ? "bold" : "regular", c.caption}));
  }
  for (const LineSpec& l : aboutWindowLines())
    rows.push_back(words({"line", l.name, numbers({l.index, l.x1, l.y1, l.x2, l.y2}), colour(l.colour),
                          std::to_string(l.pixelWidth)}));
  constexpr const char* kCommands[] = {"OpensMenu", "Open", "Exit", "About", "Details"};
  for (const MenuSpec& m : mainWindowMenus())
    rows.push_back(words({"menu", m.name, m.caption, m.menu.empty() ? "-" : m.menu,
                          m.shortcut.empty() ? "-" : m.shortcut, kCommands[static_cast<int>(m.command)]}));
  std::ifstream golden(PRICEWRIGHT_TEST_DATA "/shell/window_tables.txt");
  std::vector<std::string> expected;
  for (std::string line; std::getline(golden, line);) {
    // The program's version stands as VERSION, so that a new release changes no golden row.
    if (const auto at = line.find("VERSION"); at != std::string::npos)
      line.replace(at, 7, PRICEWRIGHT_VERSION);
    if (!line.starts_with('#')) expected.push_back(line);
  }
  EXPECT_EQ(rows, expected);
}
