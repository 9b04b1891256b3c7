#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "pricing/game_rules.h"
#include "shell/about_window_layout.h"
#include "shell/details_text.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"

using namespace pricewright;

namespace {
bool has(std::span<const ControlSpec> controls, std::string_view name) {
  return std::ranges::find(controls, name, &ControlSpec::name) != controls.end();
}
}  // namespace

// The shells draw whatever the tables say; these hold for any layout the tables may take.
TEST(WindowTables, NameEachControlOnceInsideItsWindowAndTakeTheFocusInTabOrder) {
  for (const auto& [window, controls] : {std::pair{&kMainWindow, mainWindowControls()},
                                         {&kAboutWindow, aboutWindowControls()},
                                         {&kDetailsWindow, detailsWindowControls()}}) {
    std::set<std::string_view> names;
    std::set<int> tabs;
    for (const ControlSpec& c : controls) {
      EXPECT_TRUE(names.insert(c.name).second) << c.name << " twice in " << window->name;
      EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.name << "'s tab index";
      EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.left + c.width <= window->clientWidth &&
                  c.top + c.height <= window->clientHeight)
          << c.name << " outside " << window->name;
    }
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(controls.size()) - 1) << window->name;
  }
  // Every label the Details texts fill is there; the main window's controls
  // are looked up by name as the shells build them.
  for (const LabelText& label : detailsText({}, nullptr, {}))
    EXPECT_TRUE(has(detailsWindowControls(), label.label)) << label.label;
}

// A screen reader names each control that takes the focus as its label reads,
// or as it reads itself, and no two alike.
TEST(WindowTables, NameEachControlForScreenReadersAfterItsLabel) {
  std::set<std::string_view> names;
  const auto controls = mainWindowControls();
  for (const ControlSpec& c : controls) {
    if (c.kind == ControlKind::Label) continue;
    const auto text = std::ranges::find(mainWindowAccessibleTexts(), c.name, &AccessibleText::control);
    ASSERT_NE(text, mainWindowAccessibleTexts().end()) << c.name;
    const auto label = std::ranges::find(controls, c.tabIndex - 1, &ControlSpec::tabIndex);
    EXPECT_TRUE(text->name.ends_with(c.caption.empty() ? label->caption : c.caption)) << c.name;
    EXPECT_TRUE(names.insert(text->name).second) << text->name;
  }
}

TEST(WindowTables, GiveEachMenuCommandOneItemAndEachShortcutOneCommand) {
  std::set<std::string_view> names;
  std::set<std::string_view> shortcuts;
  std::multiset<MenuCommand> commands;
  for (const MenuSpec& m : mainWindowMenus()) {
    EXPECT_TRUE(names.insert(m.name).second) << m.name;
    EXPECT_TRUE(m.shortcut.empty() || shortcuts.insert(m.shortcut).second) << m.shortcut;
    EXPECT_TRUE(m.menu.empty() || names.contains(m.menu)) << m.name << " in an unknown menu";
    commands.insert(m.command);
  }
  for (const MenuCommand command : {MenuCommand::Open, MenuCommand::RecentFiles, MenuCommand::Exit,
                                    MenuCommand::About, MenuCommand::Details})
    EXPECT_EQ(commands.count(command), 1u);
}
