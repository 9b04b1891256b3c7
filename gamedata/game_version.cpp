#include "gamedata/game_version.h"

#include <algorithm>

#include "gamedata/error.h"
#include "gamedata/game_layouts.h"
#include "gamedata/table_finder.h"
#include "gamedata/windows_program.h"

namespace pricewright {

std::optional<bool> GameVersion::modified() const {
  if (recognised == Recognised::ByShape) return std::nullopt;
  return recognised == Recognised::ByVersionText;
}

std::string GameVersion::described() const {
  switch (recognised) {
  case Recognised::AsRelease:
    return std::string(release->shown) + (tablesFound() ? ". Its tables were found by their shape." : "");
  case Recognised::ByVersionText: return "Diablo " + std::string(layout.name) + ", modified";
  case Recognised::ByShape: break;
  }
  return (release ? std::string(release->shown) : "version not recognised") + ", tables found in the file";
}

namespace {
[[noreturn]] void refuse(const std::string& why) {
  throw RuntimeError::inPlainWords(ErrorNumber::InvalidFileFormat,
                                   why + " " + std::string(kWhatPricewrightReads));
}

// A layout of tables found by their shape, with the game's own limits.
GameLayout foundLayout(const std::array<TableLayout, 4>& tables, Game game, const AddressMap& addresses) {
  return {.name = kFoundLayoutName,
          .game = game,
          .versionText = {},
          .addresses = addresses,
          .tables = tables,
          .limits = game == Game::Hellfire ? kHellfireOwnLimits : kDiabloOwnLimits};
}

bool hellfireTables(const std::array<TableLayout, 4>& tables, std::string_view bytes) {
  return std::ranges::equal(tables, kHellfireCounts, {}, &TableLayout::recordCount) ||
         bytes.find(kHellfireVersionText) != std::string_view::npos;
}
}  // namespace

GameVersion recognise(const ByteSource& file, const DigestOf& digestOf) {
  const std::optional<SectionTable> sections = windowsProgramSections(file);
  const auto placed = [&](const GameLayout& row) {
    GameLayout layout = row;
    layout.addresses.sections = sections.value_or(SectionTable{});
    return layout;
  };
  const AddressMap addresses{kKnownLoadAddressOfFirstByte, sections.value_or(SectionTable{})};
  // Only a Windows program smaller than kLargestRelease is worth hashing.
  std::string whole = sections ? file.readAvailable(1, kLargestRelease) : "";
  if (const Release* const release =
          whole.empty() || whole.size() >= kLargestRelease ? nullptr : releaseWithMd5(digestOf(whole))) {
    if (release->layout) return {placed(*release->layout), release, Recognised::AsRelease};
    // No row says where this release keeps its tables: their records' shape does.
    const std::optional<std::array<TableLayout, 4>> tables = findTables(whole, addresses).tables;
    if (!tables) refuse("This is " + std::string(release->shown) + ".");
    return {foundLayout(*tables, release->game, addresses), release, Recognised::AsRelease};
  }
  for (const GameLayout* layout : kGameLayouts) {
    const VersionText& version = layout->versionText;
    if (file.readAvailable(version.offset + 1, static_cast<std::int32_t>(version.text.size())) ==
        version.text)
      return {placed(*layout), nullptr, Recognised::ByVersionText};
  }

  // Nothing names the file's layout: its records' shape tells where its tables lie.
  // A Windows program smaller than kLargestRelease is held whole already.
  if (whole.empty() || whole.size() >= kLargestRelease) whole = file.readAvailable(1, kLargestSearched + 1);
  if (whole.size() > kLargestSearched)
    refuse("This file is larger than " + std::to_string(kLargestSearched >> 20) +
           " MiB, far larger than any game file, so Pricewright does not search it for the game's tables.");
  const TableSearch search = findTables(whole, addresses);
  if (!search.tables) refuse(search.failure);
  const Release* const hellfire = hellfireTables(*search.tables, whole) ? &hellfireRelease() : nullptr;
  return {foundLayout(*search.tables, hellfire ? Game::Hellfire : Game::Diablo, addresses), hellfire,
          Recognised::ByShape};
}

}  // namespace pricewright
