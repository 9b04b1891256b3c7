#include "gamedata/game_version.h"

#include "gamedata/error.h"
#include "gamedata/game_layouts.h"

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

namespace {
// Every release is a Windows program: "MZ" at the start of the file, and
// "PE" and two zero bytes where the last field of that first header points.
bool isWindowsProgram(const ByteSource& file) {
  constexpr std::int32_t kHeaderPointerPosition = 0x3C + 1;
  if (file.readAvailable(1, 2) != "MZ") return false;
  const std::string pointer = file.readAvailable(kHeaderPointerPosition, kRecordValueSize);
  if (pointer.size() != kRecordValueSize) return false;
  const std::int32_t header = littleEndianValue(pointer);
  return header > 0 && header < kLargestRelease &&
         file.readAvailable(header + 1, 4) == std::string_view("PE\0\0", 4);
}
}  // namespace

GameVersion recognise(const ByteSource& file, const DigestOf& digestOf) {
  // Only a Windows program smaller than kLargestRelease is worth reading whole and hashing.
  const std::string whole = isWindowsProgram(file) ? file.readAvailable(1, kLargestRelease) : "";
  if (!whole.empty() && whole.size() < kLargestRelease)
    if (const Release* release = releaseWithMd5(digestOf(whole))) {
      if (!release->layout)
        throw RuntimeError::inPlainWords(ErrorNumber::InvalidFileFormat,
                                         "This is Diablo " + std::string(release->shown) + ". " +
                                             std::string(kWhatPricewrightReads));
      return {*release->layout, release, Recognised::AsRelease};
    }
  for (const GameLayout* layout : kGameLayouts) {
    const VersionText& version = layout->versionText;
    if (file.readAvailable(version.offset + 1, static_cast<std::int32_t>(version.text.size())) ==
        version.text)
      return {*layout, nullptr, Recognised::ByVersionText};
  }
  return {kDiablo107};
}

}  // namespace pricewright
