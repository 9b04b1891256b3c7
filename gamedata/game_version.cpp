#include "gamedata/game_version.h"

#include "gamedata/error.h"
#include "gamedata/game_layouts.h"
#include "gamedata/windows_program.h"

namespace pricewright {

std::optional<bool> GameVersion::modified() const {
  if (recognised == Recognised::NotAtAll) return std::nullopt;
  return recognised == Recognised::ByVersionText;
}

std::string GameVersion::described() const {
  const std::string layoutName(layout.name);
  switch (recognised) {
  case Recognised::AsRelease: return "Diablo " + std::string(release->shown);
  case Recognised::ByVersionText: return "Diablo " + layoutName + ", modified";
  case Recognised::NotAtAll: break;
  }
  return "version not recognised, read as Diablo " + layoutName;
}

GameVersion recognise(const ByteSource& file, const DigestOf& digestOf) {
  const std::optional<SectionTable> sections = windowsProgramSections(file);
  const auto placed = [&](const GameLayout& row) {
    GameLayout layout = row;
    layout.addresses.sections = sections.value_or(SectionTable{});
    return layout;
  };
  // Only a Windows program smaller than kLargestRelease is worth reading whole and hashing.
  const std::string whole = sections ? file.readAvailable(1, kLargestRelease) : "";
  if (!whole.empty() && whole.size() < kLargestRelease)
    if (const Release* release = releaseWithMd5(digestOf(whole))) {
      if (!release->layout)
        throw RuntimeError::inPlainWords(ErrorNumber::InvalidFileFormat,
                                         "This is Diablo " + std::string(release->shown) + ". " +
                                             std::string(kWhatPricewrightReads));
      return {placed(*release->layout), release, Recognised::AsRelease};
    }
  for (const GameLayout* layout : kGameLayouts) {
    const VersionText& version = layout->versionText;
    if (file.readAvailable(version.offset + 1, static_cast<std::int32_t>(version.text.size())) ==
        version.text)
      return {placed(*layout), nullptr, Recognised::ByVersionText};
  }
  return {placed(kDiablo107)};
}

}  // namespace pricewright
