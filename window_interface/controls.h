#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "gamedata/tables.h"

namespace pricewright {

// A control is known by its name, the same in the window tables, the widgets
// and the code. The two kinds the operations read and write are kept apart by
// type, so that a list can never be passed where a text box is meant.
struct ListBox {
  std::string_view name;
  constexpr bool operator==(const ListBox&) const = default;
};
struct TextBox {
  std::string_view name;
  constexpr bool operator==(const TextBox&) const = default;
};

inline constexpr ListBox cboPrefix{"cboPrefix"};
inline constexpr ListBox cboSuffix{"cboSuffix"};
inline constexpr ListBox cboBase{"cboBase"};
inline constexpr ListBox cboSpell{"cboSpell"};

inline constexpr TextBox txtPreEff{"txtPreEff"};
inline constexpr TextBox txtSufEff{"txtSufEff"};
inline constexpr TextBox txtCharge{"txtCharge"};

// The shops' price boxes, in the order of kShopOrder.
inline constexpr TextBox txtCostGris{"txtCostGris"};
inline constexpr TextBox txtCostWirt{"txtCostWirt"};
inline constexpr TextBox txtCostAdria{"txtCostAdria"};
inline constexpr std::array kPriceBoxes{txtCostGris, txtCostWirt, txtCostAdria};
constexpr TextBox priceBox(Shop shop) { return kPriceBoxes[indexOf(shop)]; }

// "Normal Item Only" and "Get Costs": the operations see the one's value and
// the shells forward both one's clicks.
inline constexpr std::string_view chkBase = "chkBase";
inline constexpr std::string_view cmdGet = "cmdGet";

// The list each table fills, and the box beside it where the player types the
// picked record's value: the one place that ties controls to tables.
struct ListControl {
  Table table;
  ListBox list;
  std::optional<TextBox> valueBox;
};
inline constexpr std::array<ListControl, 4> kListControls{{
    {Table::Prefixes, cboPrefix, txtPreEff},
    {Table::Suffixes, cboSuffix, txtSufEff},
    {Table::BaseItems, cboBase, std::nullopt},
    {Table::Spells, cboSpell, txtCharge},
}};
constexpr const ListControl& listControl(Table table) { return kListControls[indexOf(table)]; }

}  // namespace pricewright
