#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "pricing/game_rules.h"
#include "shell/about_window_layout.h"
#include "shell/details_text.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"

using namespace pricewright;

// The shells draw whatever the tables say; these hold for any layout the tables may take.
TEST(WindowTables, NameEachControlAndMenuOnceInsideItsWindowAndTakeTheFocusInTabOrder) {
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
  // A screen reader names each control that takes the focus as its label
  // reads, or as it reads itself, and no two of a window alike.
  for (const auto& [controls, texts] : {std::pair{mainWindowControls(), mainWindowAccessibleTexts()},
                                        {detailsWindowControls(), detailsWindowAccessibleTexts()}}) {
    std::set<std::string_view> spoken;
    for (const ControlSpec& c : controls) {
      const auto text = std::ranges::find(texts, c.name, &AccessibleText::control);
      const auto label = std::ranges::find(controls, c.tabIndex - 1, &ControlSpec::tabIndex);
      EXPECT_TRUE(c.kind == ControlKind::Label || c.kind == ControlKind::WrappingLabel ||
                  (text != texts.end() &&
                   text->name.ends_with(c.caption.empty() ? label->caption : c.caption) &&
                   spoken.insert(text->name).second))
          << c.name;
    }
  }
  // Every label the Details texts fill is there; the main window's controls
  // are looked up by name as the shells build them.
  for (const LabelText& label : detailsText({}, nullptr, {}, {}, {}))
    EXPECT_NE(std::ranges::find(detailsWindowControls(), label.label, &ControlSpec::name),
              detailsWindowControls().end())
        << label.label;
  // Each menu item by a name of its own, each shortcut on one item.
  std::set<std::string_view> menuNames;
  std::set<std::string_view> shortcuts;
  for (const MenuSpec& m : mainWindowMenus())
    EXPECT_TRUE(menuNames.insert(m.name).second &&
                (m.shortcut.empty() || shortcuts.insert(m.shortcut).second))
        << m.name;
}
