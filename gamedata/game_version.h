#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/byte_source.h"
#include "gamedata/game_layout.h"
#include "gamedata/releases.h"

namespace pricewright {

// How a game file was told apart.
enum class Recognised {
  AsRelease,      // its MD5 is a released file's
  ByVersionText,  // its layout's version text lies in place: a mod
  NotAtAll,       // neither; read with the 1.07 layout, as every file once was
};

// What the open game file is.
struct GameVersion {
  GameLayout layout;
  const Release* release = nullptr;
  Recognised recognised = Recognised::NotAtAll;

  // False for a release, true for a mod, unknown where nothing was recognised.
  std::optional<bool> modified() const;
  // "Diablo 1.09 (GOG)", "Diablo 1.07, modified", "version not recognised, read as Diablo 1.07".
  std::string described() const;
};

// How a file is hashed, in hexadecimal: md5Text, or a stand-in where tests name a release without its file.
using DigestOf = std::function<std::string(std::string_view bytes)>;

// Tells what a game file is: a file whose MD5 is a release's is that release;
// otherwise the version text in its place names the layout; otherwise the
// 1.07 layout applies. A release that Pricewright cannot read raises an error
// naming it, in plain words.
GameVersion recognise(const ByteSource& file, const DigestOf& digestOf);

}  // namespace pricewright
