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
  ByShape,        // neither: its tables were found by their records' shape
};

// What the open game file is.
struct GameVersion {
  GameLayout layout;
  // The release its MD5 names; for tables found by their shape, also the
  // release they show it to be (Hellfire).
  const Release* release = nullptr;
  Recognised recognised = Recognised::ByShape;

  // False for a release, true for a mod, unknown where only the tables' shape told.
  std::optional<bool> modified() const;
  // Whether its tables were found by their shape rather than at a layout row's places.
  bool tablesFound() const { return recognised == Recognised::ByShape || (release && !release->layout); }
  // "Diablo 1.09 (GOG)", "Diablo 1.07, modified", "Diablo 1.04. Its tables were found by their shape.",
  // "Hellfire, tables found in the file", "version not recognised, tables found in the file".
  std::string described() const;
};

// How a file is hashed, in hexadecimal: md5Text, or a stand-in where tests name a release without its file.
using DigestOf = std::function<std::string(std::string_view bytes)>;

// Tells what a game file is: a file whose MD5 is a release's is that
// release; otherwise the version text in its place names the layout. Where
// neither names a layout row, the tables are found by their records' shape.
// A Windows program's names are placed through its own section table. A
// file whose tables cannot be found, or whose section table cannot be read,
// raises an error in plain words saying why.
GameVersion recognise(const ByteSource& file, const DigestOf& digestOf);

}  // namespace pricewright
